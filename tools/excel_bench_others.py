#!/usr/bin/python3
"""Times the other programs on the workbook that bench/excel wrote: xlrd reading it with its
formatting, and LibreOffice converting it to "MS Excel 97" less a one-cell conversion (its start).
Prints "xlrd=" and "libreoffice=" in milliseconds, each the median of RUNS runs; no
"libreoffice=" line when LibreOffice fails on the workbook.

Usage: excel_bench_others.py WORKBOOK [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

import xlrd


def timed(fn):
    start = time.perf_counter()
    fn()
    return (time.perf_counter() - start) * 1000.0


def convert(path, work):
    """Raises when LibreOffice fails or makes no file."""
    out = os.path.join(work, "out")
    target = os.path.join(out, os.path.splitext(os.path.basename(path))[0] + ".xls")
    if os.path.exists(target):
        os.remove(target)
    subprocess.run(["soffice", "-env:UserInstallation=file://" + os.path.join(work, "profile"), "--headless",
                    "--convert-to", "xls:MS Excel 97", "--outdir", out, path],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
    if not os.path.exists(target):
        raise RuntimeError("LibreOffice made nothing of " + path)


def main():
    path = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    work = tempfile.mkdtemp(prefix="helvon-excel-bench-")
    try:
        one = os.path.join(work, "one.csv")
        with open(one, "w") as f:
            f.write("1\n")
        convert(one, work)  # the profile is made once, outside the timings
        xlrd_ms = statistics.median(timed(lambda: xlrd.open_workbook(path, formatting_info=True)) for _ in range(runs))
        print("xlrd=%.0f" % xlrd_ms)
        try:
            lo_ms = statistics.median(timed(lambda: convert(path, work)) - timed(lambda: convert(one, work))
                                      for _ in range(runs))
            print("libreoffice=%.0f" % lo_ms)
        except (subprocess.CalledProcessError, subprocess.TimeoutExpired, RuntimeError) as e:
            print("libreoffice failed: %s" % e, file=sys.stderr)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
