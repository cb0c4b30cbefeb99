#!/usr/bin/python3
"""Checks the workbooks that grid_excel_test leaves in its "excel-out" folder with the
spreadsheet programs of the Linux side: the compound file through olefile, the records through
xlrd, Gnumeric's reading through ssconvert and LibreOffice's through one headless conversion to
flat ODF. Each workbook of the table below must be there and read the same in all of them.

Usage: check_workbooks.py OUT_DIR
"""
import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import olefile
import xlrd

# Workbook -> sheets in order: (name, {(row, col): (value, number format)}). A value is a text or
# the number text the grid held; the number format is Excel's format string.
WORKBOOKS = {
    "eine-tabelle.xls": [
        ("Messwerte", {
            (0, 0): ("abc", "General"),
            (0, 1): ("3.5", "0.00"),
        }),
    ],
    "ein-blatt.xls": [
        ("Messwerte", {
            (0, 0): ("abc", "General"),
            (0, 1): ("3.5", "0.00"),
        }),
    ],
    "zahlen.xls": [
        ("Zahlen", {
            (0, 0): ("1e-300", "General"),
            (1, 0): ("-0.000123456789012345", "General"),
            (2, 0): ("9007199254740992", "General"),
            (3, 0): ("0.1", "General"),
            (4, 0): ("Grüße €", "General"),
        }),
    ],
    # A clipboard copy of B2:C3 (the formula cell is checked below: Gnumeric shows its text).
    "zwischenablage.xls": [
        ("Arbeitsblatt 1", {
            (0, 0): ("1.5", "General"),
            (0, 1): ("Text", "General"),
            (1, 1): ("fett", "General"),
        }),
    ],
}

# Workbook -> the size of its first sheet, (row, col, cached value) of a formula cell and the
# cells in a bold font: exactly what was copied and nothing beside it.
EXACT = {
    "zwischenablage.xls": ((2, 2), (1, 0, 3.0), [(1, 1)]),
}

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED: " + what)


def same_value(expected, actual, digits=None):
    """Texts compare as texts; numbers as the double of the grid's text, or as far as the
    significant digits a reader keeps."""
    if isinstance(actual, float):
        try:
            number = float(expected)
        except ValueError:
            return False
        return number == actual if digits is None else float("%.*g" % (digits, number)) == actual
    return expected == actual


def check_olefile(path, name):
    with olefile.OleFileIO(path) as ole:
        check(ole.listdir() == [["Workbook"]], "%s: olefile sees %s, not one stream Workbook" % (name, ole.listdir()))


def check_xlrd(path, name, sheets):
    book = xlrd.open_workbook(path, formatting_info=True)
    check(book.sheet_names() == [s for s, _ in sheets], "%s: xlrd sheets %s" % (name, book.sheet_names()))
    for index, (sheet_name, cells) in enumerate(sheets):
        if index >= book.nsheets:
            break
        sheet = book.sheet_by_index(index)
        for (row, col), (value, fmt) in cells.items():
            where = "%s!%s(%d,%d)" % (name, sheet_name, row, col)
            if row >= sheet.nrows or col >= sheet.ncols:
                check(False, "%s: xlrd finds no cell" % where)
                continue
            cell = sheet.cell(row, col)
            check(same_value(value, cell.value), "%s: xlrd reads %r, not %r" % (where, cell.value, value))
            xf = book.xf_list[cell.xf_index]
            got = book.format_map[xf.format_key].format_str
            check(got == fmt, "%s: xlrd format %r, not %r" % (where, got, fmt))


def check_exact(path, name):
    (rows, cols), (frow, fcol, fvalue), bold = EXACT[name]
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    check((sheet.nrows, sheet.ncols) == (rows, cols), "%s: xlrd finds %d x %d cells, not %d x %d" %
          (name, sheet.nrows, sheet.ncols, rows, cols))
    if frow < sheet.nrows and fcol < sheet.ncols:
        check(sheet.cell(frow, fcol).value == fvalue, "%s: formula result %r" % (name, sheet.cell(frow, fcol).value))
    for row in range(sheet.nrows):
        for col in range(sheet.ncols):
            weight = book.font_list[book.xf_list[sheet.cell(row, col).xf_index].font_index].weight
            check((weight >= 700) == ((row, col) in bold), "%s(%d,%d): font weight %d" % (name, row, col, weight))


def gnumeric_sheets(path, work):
    """Gnumeric's own file of the workbook: sheet name -> (cells, style regions)."""
    out = os.path.join(work, os.path.basename(path) + ".gnumeric")
    subprocess.run(["ssconvert", "--export-type=Gnumeric_XmlIO:sax", path, out], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    ns = {"gnm": "http://www.gnumeric.org/v10.dtd"}
    root = ET.fromstring(gzip.open(out).read())
    result = {}
    for sheet in root.findall("gnm:Sheets/gnm:Sheet", ns):
        cells = {(int(c.get("Row")), int(c.get("Col"))): c.text or "" for c in sheet.findall("gnm:Cells/gnm:Cell", ns)}
        regions = [(int(r.get("startRow")), int(r.get("startCol")), int(r.get("endRow")), int(r.get("endCol")),
                    r.find("gnm:Style", ns).get("Format")) for r in sheet.findall("gnm:Styles/gnm:StyleRegion", ns)]
        result[sheet.find("gnm:Name", ns).text] = (cells, regions)
    return result


def check_gnumeric(path, name, sheets, work):
    got = gnumeric_sheets(path, work)
    check(list(got) == [s for s, _ in sheets], "%s: Gnumeric sheets %s" % (name, list(got)))
    for sheet_name, cells in sheets:
        if sheet_name not in got:
            continue
        values, regions = got[sheet_name]
        for (row, col), (value, fmt) in cells.items():
            where = "%s!%s(%d,%d)" % (name, sheet_name, row, col)
            text = values.get((row, col))
            ok = text is not None and (text == value or same_value(value, _number(text)))
            check(ok, "%s: Gnumeric reads %r, not %r" % (where, text, value))
            formats = [f for r0, c0, r1, c1, f in regions if r0 <= row <= r1 and c0 <= col <= c1]
            check(formats[-1:] == [fmt], "%s: Gnumeric format %s, not %r" % (where, formats[-1:], fmt))


def _number(text):
    try:
        return float(text)
    except ValueError:
        return text


def libreoffice_sheets(paths, work):
    """One headless conversion of every workbook to flat ODF: name -> sheet name -> cells, each
    the value and the text shown."""
    profile = os.path.join(work, "profile")
    subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless", "--convert-to", "fods",
                    "--outdir", work] + paths, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=180)
    ns = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
          "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
          "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
          "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
          "number": "urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"}
    t = "{%s}" % ns["table"]
    result = {}
    for path in paths:
        fods = os.path.join(work, os.path.splitext(os.path.basename(path))[0] + ".fods")
        if not os.path.exists(fods):
            continue
        root = ET.parse(fods).getroot()
        sheets = {}
        for table in root.iter(t + "table"):
            cells = {}
            for r, row in enumerate(table.iter(t + "table-row")):
                c = 0
                for cell in row:
                    if cell.tag not in (t + "table-cell", t + "covered-table-cell"):
                        continue
                    repeat = int(cell.get(t + "number-columns-repeated", "1"))
                    kind = cell.get("{%s}value-type" % ns["office"])
                    shown = "\n".join(p.text or "" for p in cell.findall("text:p", ns))
                    if kind == "float":
                        cells[(r, c)] = (float(cell.get("{%s}value" % ns["office"])), shown)
                    elif kind == "string":
                        cells[(r, c)] = (shown, shown)
                    c += min(repeat, 1024)
            sheets[table.get(t + "name")] = cells
        result[os.path.basename(path)] = sheets
    return result


def check_libreoffice(name, sheets, got):
    check(name in got, "%s: LibreOffice made nothing of it" % name)
    book = got.get(name, {})
    check(list(book) == [s for s, _ in sheets], "%s: LibreOffice sheets %s" % (name, list(book)))
    for sheet_name, cells in sheets:
        for (row, col), (value, fmt) in cells.items():
            where = "%s!%s(%d,%d)" % (name, sheet_name, row, col)
            cell = book.get(sheet_name, {}).get((row, col))
            # Its flat files keep 15 significant digits.
            check(cell is not None and same_value(value, cell[0], 15), "%s: LibreOffice reads %r, not %r" % (where, cell, value))
            if cell is not None and fmt == "0.00":
                shown = "%.2f" % float(value)
                check(cell[1] == shown, "%s: LibreOffice shows %r, not %r" % (where, cell[1], shown))


def main():
    out_dir = sys.argv[1]
    work = tempfile.mkdtemp(prefix="helvon-workbooks-")
    try:
        paths = []
        for name, sheets in WORKBOOKS.items():
            path = os.path.join(out_dir, name)
            check(os.path.exists(path), "%s: the Wine test left no such workbook" % name)
            if not os.path.exists(path):
                continue
            paths.append(path)
            check_olefile(path, name)
            check_xlrd(path, name, sheets)
            check_gnumeric(path, name, sheets, work)
            if name in EXACT:
                check_exact(path, name)
        office = libreoffice_sheets(paths, work) if paths else {}
        for name, sheets in WORKBOOKS.items():
            if os.path.join(out_dir, name) in paths:
                check_libreoffice(name, sheets, office)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d workbooks, %d failures" % (len(WORKBOOKS), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
