#!/usr/bin/env bash
# Times sorting 65,535 x 5 cells in a shown grid window (bench/SortBench.cpp under Wine) and the
# same cells in LibreOffice Calc (tools/lo_sort_bench.py), and prints ours / LibreOffice for the
# three sorts, each side the median of HELVON_BENCH_RUNS runs (five by default). Not a test.
source "$(dirname "$0")/common.sh"

HELVON_PACKAGES+=(libreoffice-calc-nogui python3-uno)
helvon_install
helvon_build sort_bench
trap helvon_stop_all EXIT
helvon_start_x
helvon_start_wine

runs=${HELVON_BENCH_RUNS:-5}
export HELVON_BENCH_RUNS=$runs
ours=$(wine "$BUILD_DIR/win/bench/sort_bench.exe" "$runs" | tr -d '\r')
theirs=$(/usr/bin/python3 "$HELVON_ROOT/tools/lo_sort_bench.py")
echo "ours (median ms of $runs runs):"; echo "$ours"
echo "LibreOffice (median ms of $runs runs):"; echo "$theirs"
for name in numbers words both; do
    a=$(sed -n "s/^$name=//p" <<<"$ours")
    b=$(sed -n "s/^$name=//p" <<<"$theirs")
    python3 -c "print('$name ratio %.2f' % ($a / $b))"
done
