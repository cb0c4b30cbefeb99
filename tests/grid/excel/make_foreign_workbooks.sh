#!/usr/bin/env bash
# Makes the workbooks of other programs that grid_excel_test reads: LibreOffice saves the
# committed foreign.fods (two sheets, a 10,000-character text, 40 filled-down formulas, a merged
# range) as "MS Excel 97", Gnumeric saves that workbook once more.
# Usage: make_foreign_workbooks.sh FODS OUT_DIR
set -euo pipefail
fods=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
rm -f "$out/foreign-libreoffice.xls" "$out/foreign-gnumeric.xls"
soffice "-env:UserInstallation=file://$work/profile" --headless --convert-to "xls:MS Excel 97" \
    --outdir "$work" "$fods" >/dev/null 2>&1
cp "$work/$(basename "${fods%.*}").xls" "$out/foreign-libreoffice.xls"
ssconvert "$out/foreign-libreoffice.xls" "$out/foreign-gnumeric.xls" >/dev/null 2>&1
test -s "$out/foreign-gnumeric.xls"
