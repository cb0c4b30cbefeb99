#!/usr/bin/env bash
# Runs the grid's window benchmarks under Xvfb and Wine: painting, scrolling and the optimised
# update against plain GDI and the full redraw (bench/GridBench.cpp), and paste, undo and redo of
# 100,000 cells (bench/PasteUndoBench.cpp). Prints the load average before and after each; ends
# with 1 when a benchmark missed a goal or did not run. Not a test.
source "$(dirname "$0")/common.sh"

helvon_install
helvon_build "grid_bench paste_undo_bench"
trap helvon_stop_all EXIT
helvon_start_x
helvon_start_wine

missed=0
for bench in grid_bench paste_undo_bench; do
    echo "== $bench, load average: $(cut -d' ' -f1-3 /proc/loadavg)"
    wine "$BUILD_DIR/win/bench/$bench.exe" | tr -d '\r' || missed=1
    echo "== load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
done
exit $missed
