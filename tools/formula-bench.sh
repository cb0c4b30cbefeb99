#!/usr/bin/env bash
# Times the formula engine (bench/formula under Wine) and the same sheets in LibreOffice Calc
# (tools/lo_formula_bench.py), and prints the three ratios ours / LibreOffice, each side the
# median of HELVON_BENCH_RUNS runs (five by default), since one run against one run swings
# widely under load. Not a test.
source "$(dirname "$0")/common.sh"

HELVON_PACKAGES+=(libreoffice-calc-nogui python3-uno)
helvon_install
helvon_build formula_bench
trap helvon_stop_all EXIT
helvon_start_wine

# HELVON_BENCH_CELLS sets the size of every sheet (100,000 by default).
cells=${HELVON_BENCH_CELLS:-100000}
runs=${HELVON_BENCH_RUNS:-5}
export HELVON_BENCH_CELLS=$cells HELVON_BENCH_RUNS=$runs
ours_runs=""
for ((i = 0; i < runs; i++)); do
    ours_runs+=$(wine "$BUILD_DIR/win/bench/formula/formula_bench.exe" "$cells" | tr -d '\r')$'\n'
done
ours=$(for name in chain wide store; do
    sed -n "s/^$name=//p" <<<"$ours_runs" | sort -g |
        awk -v n="$name" '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%s=%.1f\n", n, m }'
done)
theirs=$(/usr/bin/python3 "$HELVON_ROOT/tools/lo_formula_bench.py")
echo "ours (median ms of $runs runs):"; echo "$ours"
echo "LibreOffice (median ms of $runs runs):"; echo "$theirs"
for name in chain wide store; do
    a=$(sed -n "s/^$name=//p" <<<"$ours")
    b=$(sed -n "s/^$name=//p" <<<"$theirs")
    python3 -c "print('$name ratio %.2f' % ($a / $b))"
done
