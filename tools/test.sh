#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test under Wine and Xvfb.
source "$(dirname "$0")/common.sh"

helvon_prepare_tests
# Libraries and folders keep their layers (no include or link cycle); cheap, so before the build.
python3 "$HELVON_ROOT/tools/check-layers.py"
# Every tracked C++ source as .clang-format has it (hand-aligned tables inside clang-format off/on).
bash "$HELVON_ROOT/tools/check-format.sh"
helvon_build
helvon_run_tests "$@"
