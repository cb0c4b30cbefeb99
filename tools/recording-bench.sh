#!/usr/bin/env bash
# Runs the recording benchmarks under Xvfb and Wine: saving and loading a day's recording
# (bench/RecordingBench.cpp) and appending a sample with its repaint late against early in a
# recording (bench/AppendBench.cpp). Prints the load average before and after each; ends with 1
# when a benchmark missed a goal or did not run. Not a test.
source "$(dirname "$0")/common.sh"

helvon_install
helvon_build "recording_bench append_bench"
trap helvon_stop_all EXIT
helvon_start_x
helvon_start_wine

missed=0
for bench in ${HELVON_BENCHES:-recording_bench append_bench}; do
    echo "== $bench, load average: $(cut -d' ' -f1-3 /proc/loadavg)"
    wine "$BUILD_DIR/win/bench/$bench.exe" | tr -d '\r' || missed=1
    echo "== load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
done
exit $missed
