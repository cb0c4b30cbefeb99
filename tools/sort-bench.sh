#!/usr/bin/env bash
# Times sorting 100,000 x 5 cells in a shown grid window (bench/SortBench.cpp under Wine) and the
# same cells in LibreOffice Calc (tools/lo_sort_bench.py), and prints ours / LibreOffice for the
# three sorts, each side the median of HELVON_BENCH_RUNS runs (five by default). The ratio compares
# the sorts alone (Calc's is timed without a window); ours with the repaint after it is printed
# beside it. Ends with 1 when a ratio is above 1 or a side did not run. Not a test.
source "$(dirname "$0")/common.sh"

HELVON_PACKAGES+=(libreoffice-calc-nogui python3-uno)
helvon_install
helvon_build sort_bench
trap helvon_stop_all EXIT
helvon_start_x
helvon_start_wine

runs=${HELVON_BENCH_RUNS:-5}
export HELVON_BENCH_RUNS=$runs
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
ours=$(wine "$BUILD_DIR/win/bench/sort_bench.exe" "$runs" | tr -d '\r') || { echo "our sort did not run" >&2; exit 1; }
theirs=$(/usr/bin/python3 "$HELVON_ROOT/tools/lo_sort_bench.py") || { echo "LibreOffice's sort did not run" >&2; exit 1; }
echo "ours (median ms of $runs runs):"; echo "$ours"
echo "LibreOffice (median ms of $runs runs):"; echo "$theirs"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
missed=0
for name in numbers words both; do
    a=$(sed -n "s/^$name=//p" <<<"$ours")
    p=$(sed -n "s/^${name}_paint=//p" <<<"$ours")
    b=$(sed -n "s/^$name=//p" <<<"$theirs")
    if [ -z "$a" ] || [ -z "$b" ]; then
        echo "$name: a side gave no time" >&2
        missed=1
        continue
    fi
    python3 -c "import sys; r = $a / $b; print('$name ratio %.2f (sort alone; with the repaint %.2f) %s' % (r, $p / $b, 'ok' if r <= 1 else 'MISSED')); sys.exit(r > 1)" || missed=1
done
exit $missed
