#!/usr/bin/env bash
# Times the formula engine (bench/formula under Wine) and the same sheets in LibreOffice Calc
# (tools/lo_formula_bench.py), and prints the three ratios ours / LibreOffice. Not a test.
source "$(dirname "$0")/common.sh"

HELVON_PACKAGES+=(libreoffice-calc-nogui python3-uno)
helvon_install
helvon_build
trap helvon_stop_all EXIT
helvon_start_wine

# HELVON_BENCH_CELLS sets the size of every sheet (100,000 by default; LibreOffice takes
# minutes to store that many formula texts).
cells=${HELVON_BENCH_CELLS:-100000}
export HELVON_BENCH_CELLS=$cells
ours=$(wine "$BUILD_DIR/win/bench/formula/formula_bench.exe" "$cells" | tr -d '\r')
theirs=$(/usr/bin/python3 "$HELVON_ROOT/tools/lo_formula_bench.py")
echo "ours (ms):"; echo "$ours"
echo "LibreOffice (ms):"; echo "$theirs"
for name in chain wide store; do
    a=$(sed -n "s/^$name=//p" <<<"$ours")
    b=$(sed -n "s/^$name=//p" <<<"$theirs")
    python3 -c "print('$name ratio %.2f' % ($a / $b))"
done
