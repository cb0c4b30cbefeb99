#!/usr/bin/env bash
# Times saving and reading workbooks of 100,000 cells - numbers, strings, formulas (bench/excel
# under Wine, medians of five) - beside xlrd reading them and a running LibreOffice loading and
# saving them (tools/excel_bench_others.py, medians of five), and prints for each kind the two
# ratios with their pass marks: our read / xlrd <= 1, our write and read / LibreOffice <= 1.
# A peer that does not run fails the benchmark. Not a test.
source "$(dirname "$0")/common.sh"

HELVON_PACKAGES+=(libreoffice-calc-nogui python3-xlrd python3-uno)
helvon_install
helvon_build excel_bench
trap helvon_stop_all EXIT
helvon_start_wine

dir="$BUILD_DIR/excel-bench"
mkdir -p "$dir"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
ours=$(wine "$BUILD_DIR/win/bench/excel/excel_bench.exe" "$(winepath -w "$dir")" ${HELVON_BENCH_ROWS:-} | tr -d '\r')
theirs=$(/usr/bin/python3 "$HELVON_ROOT/tools/excel_bench_others.py" "$dir" "${HELVON_BENCH_RUNS:-5}")
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "ours (ms):"; echo "$ours"
echo "others (ms):"; echo "$theirs"
value() { sed -n "s/^$1=//p" <<<"$2"; }
failed=0
for kind in numbers strings formulas; do
    read_ms=$(value "$kind.read" "$ours")
    write_ms=$(value "$kind.write" "$ours")
    xlrd_ms=$(value "$kind.xlrd" "$theirs")
    lo_ms=$(value "$kind.libreoffice" "$theirs")
    if [ "$(value "$kind.same" "$ours")" != 1 ]; then
        echo "$kind: FAILED, the workbook read back differs"; failed=1
    fi
    if [ -z "$xlrd_ms" ] || [ -z "$read_ms" ]; then
        echo "$kind: read / xlrd FAILED, no time: $(value "$kind.xlrd.failed" "$theirs")"; failed=1
    else
        python3 -c "r = $read_ms / $xlrd_ms; print('$kind: read / xlrd %.2f (pass <= 1.00) %s' % (r, 'pass' if r <= 1 else 'FAILED'))"
        python3 -c "import sys; sys.exit($read_ms > $xlrd_ms)" || failed=1
    fi
    if [ -z "$lo_ms" ] || [ -z "$write_ms" ]; then
        echo "$kind: write and read / LibreOffice FAILED, no time: $(value "$kind.libreoffice.failed" "$theirs")"; failed=1
    else
        python3 -c "r = ($write_ms + $read_ms) / $lo_ms; print('$kind: write and read / LibreOffice %.2f (pass <= 1.00) %s' % (r, 'pass' if r <= 1 else 'FAILED'))"
        python3 -c "import sys; sys.exit($write_ms + $read_ms > $lo_ms)" || failed=1
    fi
done
exit $failed
