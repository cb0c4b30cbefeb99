#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test under Wine and Xvfb.
source "$(dirname "$0")/common.sh"

helvon_prepare_tests
helvon_build
helvon_run_tests "$@"
