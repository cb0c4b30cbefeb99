#!/usr/bin/python3
"""Writes what xlrd reads from a workbook, for a test on the Windows side to compare: the sheet
count, then one line per non-empty cell of the first sheet: row, column, "n" and the number or
"t" and the text, the number format, the fill colour as six hex digits (tab-separated).

Usage: read_workbook.py WORKBOOK OUT
"""
import sys

import xlrd


def main(path, out_path):
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    lines = ["sheets\t%d" % book.nsheets]
    for row in range(sheet.nrows):
        for col in range(sheet.ncols):
            cell = sheet.cell(row, col)
            if cell.ctype == xlrd.XL_CELL_NUMBER:
                value = "n\t%r" % cell.value
            elif cell.ctype == xlrd.XL_CELL_TEXT:
                value = "t\t%s" % cell.value
            else:
                continue
            xf = book.xf_list[cell.xf_index]
            fmt = book.format_map[xf.format_key].format_str
            rgb = book.colour_map.get(xf.background.pattern_colour_index) or (0, 0, 0)
            lines.append("%d\t%d\t%s\t%s\t%02X%02X%02X" % ((row, col, value, fmt) + tuple(rgb)))
    with open(out_path, "w", encoding="latin-1", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
