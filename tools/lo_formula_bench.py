#!/usr/bin/python3
"""The formula benchmark's sheets in LibreOffice Calc, run headless through UNO.

Prints "name=milliseconds" lines like bench/formula: chain (recalculating 100,000 formulas each
adding 1 to the cell above, after the first changed), wide (100,000 constants, 100,000 formulas
doubling them and one sum, recalculated whole), store (setting 100,000 formulas with automatic
calculation off). Also usable as a reference for expected values: --eval FORMULA prints the
value LibreOffice computes for one formula.
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lo_uno  # noqa: E402

CELLS = int(os.environ.get("HELVON_BENCH_CELLS", "100000"))


def new_sheet(desktop):
    """A new sheet with automatic calculation and screen updates off, so only calculateAll counts."""
    doc, sheet = lo_uno.new_sheet(desktop)
    doc.enableAutomaticCalculation(False)
    doc.lockControllers()
    doc.addActionLock()
    return doc, sheet


def step(text):
    if os.environ.get("HELVON_BENCH_VERBOSE"):
        print(text, file=sys.stderr, flush=True)


def ms(t):
    return (time.perf_counter() - t) * 1000.0


def main():
    proc, desktop = lo_uno.start_office()
    try:
        if len(sys.argv) == 3 and sys.argv[1] == "--eval":
            doc, sheet = new_sheet(desktop)
            cell = sheet.getCellByPosition(0, 0)
            cell.setFormula(sys.argv[2])
            doc.calculateAll()
            print(cell.getString())
            doc.close(True)
            return
        # Chain: A1 = 1, An = A(n-1) + 1.
        step("chain")
        doc, sheet = new_sheet(desktop)
        step("document")
        column = [("1",)] + [("=A%d+1" % (r - 1),) for r in range(2, CELLS + 1)]
        sheet.getCellRangeByName("A1:A%d" % CELLS).setFormulaArray(tuple(column))
        step("formulas set")
        doc.calculateAll()
        step("calculated")
        sheet.getCellByPosition(0, 0).setValue(2)
        t = time.perf_counter()
        doc.calculateAll()
        chain = ms(t)
        assert sheet.getCellByPosition(0, CELLS - 1).getValue() == CELLS + 1
        doc.close(True)

        # Wide: constants, doubled, one sum.
        doc, sheet = new_sheet(desktop)
        rows = tuple((str(r), "=A%d*2" % r) for r in range(1, CELLS + 1))
        sheet.getCellRangeByName("A1:B%d" % CELLS).setFormulaArray(rows)
        sheet.getCellByPosition(2, 0).setFormula("=SUM(B1:B%d)" % CELLS)
        t = time.perf_counter()
        doc.calculateAll()
        wide = ms(t)
        assert sheet.getCellByPosition(2, 0).getValue() == CELLS * (CELLS + 1)
        doc.close(True)

        # Storing formula texts.
        doc, sheet = new_sheet(desktop)
        texts = tuple(("=A%d*2+B%d" % (r, r),) for r in range(1, CELLS + 1))
        t = time.perf_counter()
        sheet.getCellRangeByName("C1:C%d" % CELLS).setFormulaArray(texts)
        store = ms(t)
        doc.close(True)
        print("chain=%.1f\nwide=%.1f\nstore=%.1f" % (chain, wide, store))
    finally:
        lo_uno.stop_office(proc, desktop)


if __name__ == "__main__":
    main()
