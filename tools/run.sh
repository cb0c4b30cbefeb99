#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the program under Wine against the
# bundled station simulator on COM7 (a pty the simulator owns, away from the test pairs).
source "$(dirname "$0")/common.sh"

helvon_install
helvon_build
trap helvon_stop_all EXIT
helvon_start_x
helvon_start_wine
export HELVON_HOST_TOOLS="$BUILD_DIR/host"

# The station: a soldering process starts at once, so the temperatures and states move.
port=7
ready="$BUILD_DIR/stationsim.ready"
rm -f "$ready" "$BUILD_DIR/stationsim.log"
"$HELVON_HOST_TOOLS/stationsim/stationsim" --com "$port" --ready "$ready" --log "$BUILD_DIR/stationsim.log" \
    --process --heat-rate 40 --lifetime 3600 &
HELVON_PIDS+=($!)
for _ in $(seq 50); do [ -e "$ready" ] && break; sleep 0.1; done
[ -e "$ready" ] || { echo "the station simulator did not start" >&2; exit 1; }
helvon_log "station simulator on COM$port (log $BUILD_DIR/stationsim.log)"

app="$BUILD_DIR/win/app/Helvon.exe"
if [ -f "$app" ]; then
    helvon_log "starting the program (display $DISPLAY)"
    "$HELVON_ROOT/tools/wine-run.sh" "$app" "$@"
else
    # The application itself is not built yet: show the station link working against the simulator.
    helvon_log "the application is not built yet; reading the simulated station through the station link"
    "$HELVON_ROOT/tools/wine-run.sh" "$BUILD_DIR/win/tests/station/link/station_link_demo.exe" --port "$port" "$@"
fi
