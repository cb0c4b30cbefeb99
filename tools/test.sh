#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test under Wine and Xvfb; prints the
# time of each phase at the end.
source "$(dirname "$0")/common.sh"

start=$SECONDS
helvon_prepare_tests
installed=$SECONDS
# Libraries and folders keep their layers (no include or link cycle); cheap, so before the build.
python3 "$HELVON_ROOT/tools/check-layers.py"
# Every tracked C++ source as .clang-format has it (hand-aligned tables inside clang-format off/on).
bash "$HELVON_ROOT/tools/check-format.sh"
checked=$SECONDS
helvon_build
built=$SECONDS
rc=0
helvon_run_tests "$@" || rc=$?
helvon_log "phases: install $((installed - start)) s, checks $((checked - installed)) s," \
    "build $((built - checked)) s, tests $((SECONDS - built)) s, total $((SECONDS - start)) s" \
    "(load average $(cut -d' ' -f1-3 /proc/loadavg))"
exit "$rc"
