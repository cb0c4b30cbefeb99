#!/usr/bin/python3
"""The formula benchmark's sheets in LibreOffice Calc, run headless through UNO.

Prints "name=milliseconds" lines like bench/formula: chain (recalculating 100,000 formulas each
adding 1 to the cell above, after the first changed), wide (100,000 constants, 100,000 formulas
doubling them and one sum, recalculated whole), store (setting 100,000 formulas with automatic
calculation off). Also usable as a reference for expected values: --eval FORMULA prints the
value LibreOffice computes for one formula.
"""
import os
import subprocess
import sys
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue

CELLS = int(os.environ.get("HELVON_BENCH_CELLS", "100000"))
PIPE = "helvon_formula_bench_%d" % os.getpid()


def start_office():
    profile = tempfile.mkdtemp(prefix="helvon-lo-")
    proc = subprocess.Popen(
        ["soffice", "--headless", "--invisible", "--norestore", "--nologo", "--nodefault",
         "-env:UserInstallation=file://" + profile,
         "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % PIPE],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.time() + 60
    while True:
        try:
            ctx = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % PIPE)
            break
        except Exception:
            if time.time() > deadline or proc.poll() is not None:
                proc.kill()
                raise SystemExit("LibreOffice did not start")
            time.sleep(0.2)
    desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
    return proc, desktop


def new_sheet(desktop):
    hidden = PropertyValue()
    hidden.Name = "Hidden"
    hidden.Value = True
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (hidden,))
    doc.enableAutomaticCalculation(False)
    doc.lockControllers()
    doc.addActionLock()
    return doc, doc.Sheets.getByIndex(0)


def step(text):
    if os.environ.get("HELVON_BENCH_VERBOSE"):
        print(text, file=sys.stderr, flush=True)


def ms(t):
    return (time.perf_counter() - t) * 1000.0


def main():
    proc, desktop = start_office()
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
        try:
            desktop.terminate()
        except Exception:
            pass
        try:
            proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            proc.kill()


if __name__ == "__main__":
    main()
