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
    # A measured-value table with every kind of formatting the grid writes.
    "messtabelle.xls": [
        ("Messwerte", {
            (0, 0): ("00:00:00", "General"),
            (0, 1): ("21.5", "0.00"),
            (0, 2): (" EIN ", "General"),
            (1, 0): ("00:00:05", "General"),
            (1, 1): ("84.25", "0.00"),
            (1, 2): (" EIN ", "General"),
            (2, 1): ("-3.75", "0.00"),
            (2, 2): (" AUS", "General"),
            (3, 1): ("150", "0.00"),
            (3, 2): (" AUS", "General"),
            (5, 0): ("fett", "General"),
            (10, 0): ("verbunden", "General"),
            (12, 0): ("Grüße €", "General"),
        }),
    ],
    # LibreOffice's workbook read by the program and saved again: the sheet name outside
    # Latin-1's 8 bits, texts that look like numbers, a number of 15 digits.
    "blatt-euro.xls": [
        ("Blatt \u20ac", {
            (0, 0): ("0042", "General"),
            (1, 0): ("1e3", "General"),
            (2, 0): ("123456789012345", "General"),
            (3, 0): ("rot", "General"),
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

# Workbook -> cells of its first sheet that must be texts, though they read as numbers.
TEXTS = {
    "blatt-euro.xls": [(0, 0), (1, 0)],
}

# Workbook -> the size of its first sheet, (row, col, cached value) of a formula cell and the
# cells in a bold font: exactly what was copied and nothing beside it.
EXACT = {
    "zwischenablage.xls": ((2, 2), (1, 0, 3.0), [(1, 1)]),
}

# Workbook -> the looks of its first sheet: the cells in a bold font (all others are not), the
# fills of some cells as (pattern, pattern colour, background colour) and the merged ranges
# (first row, first column, last row, last column).
WHITE, CYAN, RED, YELLOW = (255, 255, 255), (0, 255, 255), (255, 0, 0), (255, 255, 0)
LOOKS = {
    "messtabelle.xls": {
        "bold": [(5, 0)],
        "fills": dict([((r, c), (0, WHITE, WHITE)) for r in (0, 2) for c in range(3)] +
                      [((r, c), (1, CYAN, WHITE)) for r in (1, 3) for c in range(3)] +
                      [((9, 0), (4, YELLOW, RED)), ((9, 1), (0, WHITE, WHITE))]),
        "merges": [(10, 0, 11, 1)],
        "size": (13, 6),
    },
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
            if index == 0 and (row, col) in TEXTS.get(name, []):
                check(cell.ctype == xlrd.XL_CELL_TEXT, "%s: xlrd reads no text" % where)
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
    check_xlrd_bold(book, sheet, name, bold)


def check_xlrd_bold(book, sheet, name, bold):
    """The cells of the list in a bold font, the others not."""
    for row in range(sheet.nrows):
        for col in range(sheet.ncols):
            weight = book.font_list[book.xf_list[sheet.cell(row, col).xf_index].font_index].weight
            check((weight >= 700) == ((row, col) in bold), "%s(%d,%d): xlrd font weight %d" % (name, row, col, weight))


def check_xlrd_looks(path, name):
    looks = LOOKS[name]
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    check_xlrd_bold(book, sheet, name, looks["bold"])
    for (row, col), fill in looks["fills"].items():
        background = book.xf_list[sheet.cell(row, col).xf_index].background
        got = (background.fill_pattern, book.colour_map.get(background.pattern_colour_index),
               book.colour_map.get(background.background_colour_index))
        check(got == fill, "%s(%d,%d): xlrd fill %s, not %s" % (name, row, col, got, fill))
    merges = sorted((r0, c0, r1 - 1, c1 - 1) for r0, r1, c0, c1 in sheet.merged_cells)
    check(merges == looks["merges"], "%s: xlrd merges %s" % (name, merges))


def gnumeric_sheets(path, work):
    """Gnumeric's own file of the workbook: sheet name -> (cells, style regions, merges). A
    style region is its corners, number format, bold flag, shade and colours."""
    out = os.path.join(work, os.path.basename(path) + ".gnumeric")
    subprocess.run(["ssconvert", "--export-type=Gnumeric_XmlIO:sax", path, out], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    ns = {"gnm": "http://www.gnumeric.org/v10.dtd"}
    root = ET.fromstring(gzip.open(out).read())
    result = {}
    for sheet in root.findall("gnm:Sheets/gnm:Sheet", ns):
        cells = {(int(c.get("Row")), int(c.get("Col"))): c.text or "" for c in sheet.findall("gnm:Cells/gnm:Cell", ns)}
        regions = []
        for r in sheet.findall("gnm:Styles/gnm:StyleRegion", ns):
            style = r.find("gnm:Style", ns)
            font = style.find("gnm:Font", ns)
            regions.append((int(r.get("startRow")), int(r.get("startCol")), int(r.get("endRow")),
                            int(r.get("endCol")), style.get("Format"), font is not None and font.get("Bold") == "1",
                            int(style.get("Shade", "0")), _gnumeric_colour(style.get("PatternColor")),
                            _gnumeric_colour(style.get("Back"))))
        merges = [m.text for m in sheet.findall("gnm:MergedRegions/gnm:Merge", ns)]
        result[sheet.find("gnm:Name", ns).text] = (cells, regions, merges)
    return result


def _gnumeric_colour(text):
    """"FFFF:0:0" -> (255, 0, 0)."""
    return tuple(int(part, 16) >> 8 for part in text.split(":")) if text else None


def _region_at(regions, row, col):
    found = [r for r in regions if r[0] <= row <= r[2] and r[1] <= col <= r[3]]
    return found[-1] if found else None


def check_gnumeric(path, name, sheets, work):
    got = gnumeric_sheets(path, work)
    check(list(got) == [s for s, _ in sheets], "%s: Gnumeric sheets %s" % (name, list(got)))
    for sheet_name, cells in sheets:
        if sheet_name not in got:
            continue
        values, regions, _ = got[sheet_name]
        for (row, col), (value, fmt) in cells.items():
            where = "%s!%s(%d,%d)" % (name, sheet_name, row, col)
            text = values.get((row, col))
            ok = text is not None and (text == value or same_value(value, _number(text)))
            check(ok, "%s: Gnumeric reads %r, not %r" % (where, text, value))
            region = _region_at(regions, row, col)
            check(region is not None and region[4] == fmt, "%s: Gnumeric format %s, not %r" %
                  (where, region and region[4], fmt))
    if name not in LOOKS or not got:
        return
    looks = LOOKS[name]
    _, regions, merges = list(got.values())[0]
    # Gnumeric names a solid fill's colour the background.
    rows, cols = looks["size"]
    for row in range(rows):
        for col in range(cols):
            region = _region_at(regions, row, col)
            check(region is not None and region[5] == ((row, col) in looks["bold"]),
                  "%s(%d,%d): Gnumeric bold %s" % (name, row, col, region and region[5]))
    for (row, col), (pattern, colour, background) in looks["fills"].items():
        region = _region_at(regions, row, col)
        want = (pattern, colour if pattern == 1 else background) + ((colour,) if pattern > 1 else ())
        got_fill = region and (region[6], region[8]) + ((region[7],) if region[6] > 1 else ())
        if pattern == 0:
            check(region is not None and region[6] == 0, "%s(%d,%d): Gnumeric shade %s" % (name, row, col, got_fill))
        else:
            check(got_fill == want, "%s(%d,%d): Gnumeric fill %s, not %s" % (name, row, col, got_fill, want))
    want_merges = ["%s%d:%s%d" % (chr(65 + c0), r0 + 1, chr(65 + c1), r1 + 1) for r0, c0, r1, c1 in looks["merges"]]
    check(merges == want_merges, "%s: Gnumeric merges %s" % (name, merges))


def _number(text):
    try:
        return float(text)
    except ValueError:
        return text


def _paragraph_text(p, ns):
    """A paragraph's text with its space elements (<text:s text:c="n"/>) as blanks."""
    space = "{%s}s" % ns["text"]
    text = p.text or ""
    for child in p:
        if child.tag == space:
            text += " " * int(child.get("{%s}c" % ns["text"], "1"))
        else:
            text += "".join(child.itertext())
        text += child.tail or ""
    return text


def libreoffice_sheets(paths, work):
    """One headless conversion of every workbook to flat ODF: name -> sheet name -> cells, each
    the value and the text shown; and name -> sheet name -> cells, each its font weight,
    background colour and the columns and rows it spans."""
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
    st = "{%s}" % ns["style"]
    fo = "{urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0}"
    result, looks = {}, {}
    for path in paths:
        fods = os.path.join(work, os.path.splitext(os.path.basename(path))[0] + ".fods")
        if not os.path.exists(fods):
            continue
        root = ET.parse(fods).getroot()
        styles = {}
        for style in root.iter(st + "style"):
            cell_props = style.find("style:table-cell-properties", ns)
            text_props = style.find("style:text-properties", ns)
            styles[style.get(st + "name")] = (
                text_props.get(fo + "font-weight") if text_props is not None else None,
                cell_props.get(fo + "background-color") if cell_props is not None else None)
        sheets, sheet_looks = {}, {}
        for table in root.iter(t + "table"):
            cells, cell_looks = {}, {}
            for r, row in enumerate(table.iter(t + "table-row")):
                c = 0
                for cell in row:
                    if cell.tag not in (t + "table-cell", t + "covered-table-cell"):
                        continue
                    repeat = int(cell.get(t + "number-columns-repeated", "1"))
                    kind = cell.get("{%s}value-type" % ns["office"])
                    shown = "\n".join(_paragraph_text(p, ns) for p in cell.findall("text:p", ns))
                    weight, background = styles.get(cell.get(t + "style-name"), (None, None))
                    spans = (int(cell.get(t + "number-rows-spanned", "1")), int(cell.get(t + "number-columns-spanned", "1")))
                    for k in range(min(repeat, 64)):
                        cell_looks[(r, c + k)] = (weight, background, spans)
                    if kind == "float":
                        cells[(r, c)] = (float(cell.get("{%s}value" % ns["office"])), shown)
                    elif kind == "string":
                        cells[(r, c)] = (shown, shown)
                    c += min(repeat, 1024)
            sheets[table.get(t + "name")] = cells
            sheet_looks[table.get(t + "name")] = cell_looks
        result[os.path.basename(path)] = sheets
        looks[os.path.basename(path)] = sheet_looks
    return result, looks


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


def check_libreoffice_looks(name, got):
    looks = LOOKS[name]
    sheet = list(got.get(name, {}).values())[:1]
    cells = sheet[0] if sheet else {}
    rows, cols = looks["size"]
    for row in range(rows):
        for col in range(cols):
            weight, background, spans = cells.get((row, col), (None, None, (1, 1)))
            check((weight == "bold") == ((row, col) in looks["bold"]),
                  "%s(%d,%d): LibreOffice font weight %s" % (name, row, col, weight))
            merged = [m for m in looks["merges"] if m[:2] == (row, col)]
            want = (merged[0][2] - row + 1, merged[0][3] - col + 1) if merged else (1, 1)
            check(spans == want, "%s(%d,%d): LibreOffice spans %s, not %s" % (name, row, col, spans, want))
    # It shows a pattern as one colour, a blend of its two.
    for (row, col), (pattern, colour, background) in looks["fills"].items():
        got_colour = cells.get((row, col), (None, None, None))[1]
        plain = (None, "transparent", "#ffffff")
        if pattern == 0:
            ok = got_colour in plain
        elif pattern == 1:
            ok = got_colour == "#%02x%02x%02x" % colour
        else:
            ok = got_colour not in plain and got_colour not in ("#%02x%02x%02x" % colour, "#%02x%02x%02x" % background)
        check(ok, "%s(%d,%d): LibreOffice background %s for pattern %d" % (name, row, col, got_colour, pattern))


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
            if name in LOOKS:
                check_xlrd_looks(path, name)
        office, office_looks = libreoffice_sheets(paths, work) if paths else ({}, {})
        for name, sheets in WORKBOOKS.items():
            if os.path.join(out_dir, name) in paths:
                check_libreoffice(name, sheets, office)
                if name in LOOKS:
                    check_libreoffice_looks(name, office_looks)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d workbooks, %d failures" % (len(WORKBOOKS), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
