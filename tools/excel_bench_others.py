#!/usr/bin/python3
"""Times the other programs on the workbooks that bench/excel wrote (DIR/<kind>.xls): xlrd
reading each with its formatting, and LibreOffice, started once and kept running, loading each
and saving it again as "MS Excel 97" (its start-up is not timed). Prints "<kind>.xlrd=" and
"<kind>.libreoffice=" in milliseconds, each the median of RUNS runs. A program that fails prints
"<kind>.<program>.failed=" with the reason instead: the benchmark then fails.

Usage: excel_bench_others.py DIR [RUNS]
"""
import os
import shutil
import statistics
import sys
import tempfile
import threading
import time

import xlrd

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lo_uno  # noqa: E402
from com.sun.star.beans import PropertyValue  # noqa: E402

# Numbers last: LibreOffice is slowest on the coloured rows of that sheet.
KINDS = ("strings", "formulas", "numbers")
# LibreOffice is stopped when it is still busy after this long; the kinds left then fail.
LIMIT_S = 600


def timed(fn):
    start = time.perf_counter()
    fn()
    return (time.perf_counter() - start) * 1000.0


def convert(desktop, path, target):
    """Loads the workbook and stores it as Excel 97; raises when nothing was written."""
    if os.path.exists(target):
        os.remove(target)
    doc = desktop.loadComponentFromURL("file://" + path, "_blank", 0, lo_uno.hidden_args())
    if doc is None:
        raise RuntimeError("LibreOffice loaded nothing of " + path)
    try:
        name = PropertyValue()
        name.Name = "FilterName"
        name.Value = "MS Excel 97"
        doc.storeToURL("file://" + target, (name,))
    finally:
        doc.close(True)
    if not os.path.exists(target):
        raise RuntimeError("LibreOffice made nothing of " + path)


def main():
    folder = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    for kind in KINDS:
        path = os.path.join(folder, kind + ".xls")
        try:
            ms = statistics.median(timed(lambda: xlrd.open_workbook(path, formatting_info=True)) for _ in range(runs))
            print("%s.xlrd=%.0f" % (kind, ms))
        except Exception as e:  # noqa: BLE001 - any failure is the peer's failure
            print("%s.xlrd.failed=%s" % (kind, e))
    sys.stdout.flush()
    work = tempfile.mkdtemp(prefix="helvon-excel-bench-")
    try:
        proc, desktop = lo_uno.start_office()
    except SystemExit as e:
        for kind in KINDS:
            print("%s.libreoffice.failed=%s" % (kind, e))
        shutil.rmtree(work, ignore_errors=True)
        return
    # A LibreOffice that does not come back (it has taken gigabytes on these files) is stopped:
    # the benchmark fails instead of hanging the machine.
    watchdog = threading.Timer(LIMIT_S, proc.kill)
    watchdog.start()
    try:
        for kind in KINDS:
            path = os.path.join(folder, kind + ".xls")
            target = os.path.join(work, kind + ".xls")
            try:
                convert(desktop, path, target)  # warms the filters once, untimed
                ms = statistics.median(timed(lambda: convert(desktop, path, target)) for _ in range(runs))
                print("%s.libreoffice=%.0f" % (kind, ms))
            except Exception as e:  # noqa: BLE001
                print("%s.libreoffice.failed=%s" % (kind, e))
            sys.stdout.flush()
    finally:
        watchdog.cancel()
        lo_uno.stop_office(proc, desktop)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
