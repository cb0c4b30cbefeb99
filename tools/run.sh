#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the program under Wine against the
# bundled station simulator on COM5 (a pty pair: the simulator owns one end).
source "$(dirname "$0")/common.sh"

helvon_install
helvon_build
trap helvon_stop_all EXIT
helvon_start_x
helvon_start_wine
export HELVON_HOST_TOOLS="$BUILD_DIR/host"

app="$BUILD_DIR/win/app/Helvon.exe"
if [ -f "$app" ]; then
    helvon_log "starting the program (display $DISPLAY)"
    LD_PRELOAD="$HELVON_HOST_TOOLS/ptyflush.so" wine "$app" "$@"
else
    # The application itself is not built yet: show what there is, the platform checks.
    helvon_com_pairs "5:6 10:11"
    helvon_log "the application is not built yet; running the platform checks instead"
    "$HELVON_ROOT/tools/wine-run.sh" "$BUILD_DIR/win/tests/harness/harness_test.exe"
fi
