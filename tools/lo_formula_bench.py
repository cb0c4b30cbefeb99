#!/usr/bin/python3
"""The formula benchmark's sheets in LibreOffice Calc, run headless through UNO.

Prints "name=milliseconds" lines like bench/formula, each the median of HELVON_BENCH_RUNS runs
(five by default), each measured like for like with ours: chain (the formulas each adding 1 to the
cell above, after the first changed: `calculate()`, which recalculates what depends on the change),
chain_all (the same sheet with `calculateAll()`), wide (constants, formulas doubling them and one
sum, recalculated whole), store (loading a file of formula texts less loading the same texts as
plain strings: what parsing and storing the formulas adds to the load). The sheets are written as
flat ODF files (".fods") and loaded, outside the recalculation timings, because setting that many
cells through UNO takes Calc far longer than the recalculation itself. Also usable as a reference for expected
values: --eval FORMULA prints the value LibreOffice computes for one formula.
"""
import os
import statistics
import sys
import tempfile
import time
from xml.sax.saxutils import escape, quoteattr

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lo_uno  # noqa: E402

CELLS = int(os.environ.get("HELVON_BENCH_CELLS", "100000"))
RUNS = int(os.environ.get("HELVON_BENCH_RUNS", "5"))

FODS_HEAD = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet><table:table table:name="Bench">
"""
FODS_TAIL = "</table:table></office:spreadsheet></office:body></office:document>\n"


def number_cell(value):
    return '<table:table-cell office:value-type="float" office:value="%d"/>' % value


def text_cell(text):
    return '<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>' % escape(text)


def formula_cell(text):
    return "<table:table-cell table:formula=%s/>" % quoteattr("of:=" + text)


def write_fods(path, rows):
    """rows: one list of cell elements per row, from A1 on."""
    with open(path, "w", encoding="utf-8") as f:
        f.write(FODS_HEAD)
        for cells in rows:
            f.write("<table:table-row>%s</table:table-row>\n" % "".join(cells))
        f.write(FODS_TAIL)


def step(text):
    if os.environ.get("HELVON_BENCH_VERBOSE"):
        print(text, file=sys.stderr, flush=True)


def ms(t):
    return (time.perf_counter() - t) * 1000.0


def load(desktop, path):
    doc = desktop.loadComponentFromURL("file://" + path, "_blank", 0, lo_uno.hidden_args())
    doc.enableAutomaticCalculation(False)
    doc.lockControllers()
    doc.addActionLock()
    return doc, doc.Sheets.getByIndex(0)


def eval_formula(desktop, text):
    doc, sheet = lo_uno.new_sheet(desktop)
    cell = sheet.getCellByPosition(0, 0)
    cell.setFormula(text)
    doc.calculateAll()
    print(cell.getString())
    doc.close(True)


def chain_run(desktop, path, whole=False):
    doc, sheet = load(desktop, path)
    doc.calculateAll()
    sheet.getCellByPosition(0, 0).setValue(2)
    t = time.perf_counter()
    if whole:
        doc.calculateAll()
    else:
        doc.calculate()
    took = ms(t)
    assert sheet.getCellByPosition(0, CELLS - 1).getValue() == CELLS + 1
    doc.close(True)
    return took


def chain_all_run(desktop, path):
    return chain_run(desktop, path, True)


def wide_run(desktop, path):
    doc, sheet = load(desktop, path)
    t = time.perf_counter()
    doc.calculateAll()
    took = ms(t)
    assert sheet.getCellByPosition(2, 0).getValue() == CELLS * (CELLS + 1)
    doc.close(True)
    return took


def store_run(desktop, paths):
    """Loading the formula texts less loading the same texts as plain strings: the part of the
    load that parses and stores the formulas."""
    formulas, texts = paths
    t = time.perf_counter()
    doc, _ = load(desktop, formulas)
    took = ms(t)
    doc.close(True)
    t = time.perf_counter()
    doc, _ = load(desktop, texts)
    took -= ms(t)
    doc.close(True)
    return took


def main():
    proc, desktop = lo_uno.start_office()
    try:
        if len(sys.argv) == 3 and sys.argv[1] == "--eval":
            eval_formula(desktop, sys.argv[2])
            return
        folder = tempfile.mkdtemp(prefix="helvon-bench-")
        chain = os.path.join(folder, "chain.fods")
        write_fods(chain, [[number_cell(1)]] +
                   [[formula_cell("[.A%d]+1" % (r - 1))] for r in range(2, CELLS + 1)])
        wide = os.path.join(folder, "wide.fods")
        write_fods(wide, [[number_cell(r), formula_cell("[.A%d]*2" % r)] +
                          ([formula_cell("SUM([.B1:.B%d])" % CELLS)] if r == 1 else [])
                          for r in range(1, CELLS + 1)])
        store = os.path.join(folder, "store.fods"), os.path.join(folder, "texts.fods")
        write_fods(store[0], [[formula_cell("[.A%d]*2+[.B%d]" % (r, r))] for r in range(1, CELLS + 1)])
        write_fods(store[1], [[text_cell("=[.A%d]*2+[.B%d]" % (r, r))] for r in range(1, CELLS + 1)])
        step("files written to " + folder)
        results = {}
        for name, run, path in (("chain", chain_run, chain), ("chain_all", chain_all_run, chain),
                                ("wide", wide_run, wide), ("store", store_run, store)):
            times = [run(desktop, path) for _ in range(RUNS)]
            step("%s: %s" % (name, ", ".join("%.1f" % x for x in times)))
            results[name] = statistics.median(times)
        for path in (chain, wide) + store:
            os.remove(path)
        os.rmdir(folder)
        for name in ("chain", "chain_all", "wide", "store"):
            print("%s=%.1f" % (name, results[name]))
    finally:
        lo_uno.stop_office(proc, desktop)


if __name__ == "__main__":
    main()
