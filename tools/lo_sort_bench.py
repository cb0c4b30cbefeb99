#!/usr/bin/python3
"""The sort benchmark's cells in LibreOffice Calc, sorted headless through UNO.

Makes the same 100,000 x 5 cells as bench/SortBenchData.h (integers, words, running numbers, words,
fractions from one generator), writes them as a flat ODF file, and times `XSortable.sort` of the
whole block by the numbers (column A), by the words (B), and by the words then the numbers.
Prints "name=milliseconds" lines, each the median of HELVON_BENCH_RUNS runs (five by default);
the file is loaded afresh for every run.
"""
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lo_uno  # noqa: E402
import lo_formula_bench as fods  # noqa: E402

ROWS = 100000
RUNS = int(os.environ.get("HELVON_BENCH_RUNS", "5"))


def make_rows():
    state = 4711

    def nxt():
        nonlocal state
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        return state >> 8

    def word():
        return "".join(chr(ord("a") + nxt() % 8) for _ in range(3 + nxt() % 4))

    rows = []
    for r in range(1, ROWS + 1):
        number = nxt() % 1000000
        w1 = word()
        w2 = word()
        fraction = (nxt() % 100000) / 1000.0
        rows.append((number, w1, r, w2, fraction))
    return rows


def float_cell(value):
    return '<table:table-cell office:value-type="float" office:value="%s"/>' % value


def write(path, rows):
    with open(path, "w", encoding="utf-8") as f:
        f.write(fods.FODS_HEAD)
        for number, w1, r, w2, fraction in rows:
            f.write("<table:table-row>%s%s%s%s%s</table:table-row>\n" % (
                float_cell(number), fods.text_cell(w1), float_cell(r), fods.text_cell(w2), float_cell("%.3f" % fraction)))
        f.write(fods.FODS_TAIL)


def sort_run(desktop, path, keys):
    from com.sun.star.table import TableSortField
    from com.sun.star.beans import PropertyValue
    doc = desktop.loadComponentFromURL("file://" + path, "_blank", 0, lo_uno.hidden_args())
    sheet = doc.Sheets.getByIndex(0)
    block = sheet.getCellRangeByPosition(0, 0, 4, ROWS - 1)
    fields = []
    for column in keys:
        field = TableSortField()
        field.Field = column
        field.IsAscending = True
        field.IsCaseSensitive = False
        fields.append(field)
    descriptor = []
    for name, value in (("SortFields", uno_fields(fields)), ("ContainsHeader", False)):
        p = PropertyValue()
        p.Name = name
        p.Value = value
        descriptor.append(p)
    t = time.perf_counter()
    block.sort(tuple(descriptor))
    took = (time.perf_counter() - t) * 1000.0
    doc.close(True)
    return took


def uno_fields(fields):
    import uno
    return uno.Any("[]com.sun.star.table.TableSortField", tuple(fields))


def main():
    proc, desktop = lo_uno.start_office()
    try:
        folder = tempfile.mkdtemp(prefix="helvon-sort-bench-")
        path = os.path.join(folder, "sort.fods")
        write(path, make_rows())
        results = {}
        for name, keys in (("numbers", [0]), ("words", [1]), ("both", [1, 0])):
            results[name] = statistics.median(sort_run(desktop, path, keys) for _ in range(RUNS))
        os.remove(path)
        os.rmdir(folder)
        for name in ("numbers", "words", "both"):
            print("%s=%.1f" % (name, results[name]))
    finally:
        lo_uno.stop_office(proc, desktop)


if __name__ == "__main__":
    main()
