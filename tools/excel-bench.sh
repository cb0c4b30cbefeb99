#!/usr/bin/env bash
# Times saving and reading a workbook of 65,535 x 10 numbers (bench/excel under Wine) against
# xlrd reading it and LibreOffice converting it (tools/excel_bench_others.py), and prints the two
# ratios: our read / xlrd, our write and read / LibreOffice. Each should be at most 1. Not a test.
source "$(dirname "$0")/common.sh"

HELVON_PACKAGES+=(libreoffice-calc-nogui python3-xlrd)
helvon_install
helvon_build excel_bench
trap helvon_stop_all EXIT
helvon_start_wine

book="$BUILD_DIR/excel-bench.xls"
ours=$(wine "$BUILD_DIR/win/bench/excel/excel_bench.exe" "$(winepath -w "$book")" | tr -d '\r')
theirs=$(/usr/bin/python3 "$HELVON_ROOT/tools/excel_bench_others.py" "$book" "${HELVON_BENCH_RUNS:-3}")
echo "ours (ms):"; echo "$ours"
echo "others (ms):"; echo "$theirs"
value() { sed -n "s/^$1=//p" <<<"$2"; }
python3 -c "print('read / xlrd %.2f' % ($(value read "$ours") / $(value xlrd "$theirs")))"
if [ -n "$(value libreoffice "$theirs")" ]; then
    python3 -c "print('write and read / LibreOffice %.2f' % (($(value write "$ours") + $(value read "$ours")) / $(value libreoffice "$theirs")))"
else
    echo "write and read / LibreOffice: no LibreOffice time"
fi
