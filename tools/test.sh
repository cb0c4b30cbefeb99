#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test under Wine and Xvfb.
source "$(dirname "$0")/common.sh"

# The spreadsheet programs that check the workbooks the grid tests write.
HELVON_PACKAGES+=(python3-xlrd python3-olefile gnumeric libreoffice-calc-nogui)
helvon_install
# A fixed locale, whatever the machine's: Wine shows English texts and the decimal point for it.
helvon_locale C.UTF-8
# The application's German test runs under the operator's locale.
helvon_make_locale de_DE.UTF-8
helvon_build
trap helvon_stop_all EXIT
helvon_start_x
helvon_start_printer
helvon_start_wine
helvon_com_pairs "5:6 10:11"
export HELVON_HOST_TOOLS="$BUILD_DIR/host"

helvon_log "running tests (display $DISPLAY, COM pairs $COM_PAIRS)"
cd "$BUILD_DIR/win"
ctest --output-on-failure --timeout 600 -j "$(nproc)" "$@"
