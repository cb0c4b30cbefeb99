#!/usr/bin/env bash
# Installs what is missing, builds everything and starts Helvon.exe under Wine against the
# bundled station simulator on COM7 (a pty the simulator owns, away from the test pairs).
source "$(dirname "$0")/common.sh"

if [ "${1:-}" != --session ]; then
    helvon_install
    # The operator's Windows is German: Wine's own dialogs and the number formats follow the
    # locale.
    helvon_locale de_DE.UTF-8
    # Only what this command starts: the program, the station simulator and the pty flush shim.
    helvon_build Helvon "stationsim ptyflush"
    # Everything else runs in a session of its own: Ctrl+C in the terminal reaches only this
    # shell, which then stops the program, Wine, the simulator and the X server in that order
    # (Wine's processes and Xvfb would otherwise each end on the signal by themselves).
    setsid bash "$0" --session "$@" &
    session=$!
    stop=0
    # A closed terminal stops it too: the session would not hear of it.
    trap 'stop=1' INT TERM HUP
    rc=0
    wait "$session" || rc=$?
    if [ "$stop" = 1 ]; then
        helvon_log "stopping the program, Wine, the simulator and the X server"
        kill -TERM "$session" 2>/dev/null || true
        wait "$session" 2>/dev/null || true
        helvon_log "stopped"
        exit 0
    fi
    exit "$rc"
fi
shift
trap helvon_stop_all EXIT
own_x=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then own_x=0; fi
helvon_start_x
# The program prints to the PDF queue as the tests do, into ~/PDF; a prefix made without it keeps
# no printer.
helvon_start_printer "$HOME/PDF"
helvon_start_wine
export HELVON_HOST_TOOLS="$BUILD_DIR/host"

# The station: idle until the program polls it, then one soldering process after the other, half
# a minute apart, slow enough for the curves to follow. It runs as long as this command.
port=7
ready="$BUILD_DIR/stationsim.ready"
rm -f "$ready" "$BUILD_DIR/stationsim.log"
"$HELVON_HOST_TOOLS/stationsim/stationsim" --com "$port" --ready "$ready" --log "$BUILD_DIR/stationsim.log" \
    --cycle 30 --heat-rate 5 --lifetime 0 &
HELVON_PIDS+=($!)
for _ in $(seq 50); do [ -e "$ready" ] && break; sleep 0.1; done
[ -e "$ready" ] || { echo "the station simulator did not start" >&2; exit 1; }
helvon_log "station simulator on COM$port (log $BUILD_DIR/stationsim.log)"

# A user's first-start choices: recording starts when the top heater swings in, and the
# simulator's port is the only one in use. On our own X server nobody could answer the first
# start's text and options sheet, so there they count as done; on the user's display a first
# run shows them.
key='Software\KUVO GmbH\Helvon'
if [ "$own_x" = 1 ]; then
    wine reg add "HKLM\\$key\\Settings" /v FirstStart /t REG_DWORD /d 0 /f >/dev/null 2>&1
fi
wine reg add "HKLM\\$key\\Settings" /v AutoRecord /t REG_DWORD /d 0 /f >/dev/null 2>&1
for other in $(wine reg query 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' 2>/dev/null | tr -d '\r' |
    awk '$2 == "REG_SZ" { print $3 }'); do
    use=0
    [ "$other" = "COM$port" ] && use=1
    wine reg add "HKCU\\$key\\Interface\\$other" /v UseInterface /t REG_DWORD /d "$use" /f >/dev/null 2>&1
done

# Under an X server of its own nobody sees the program: a screenshot every 10 s shows it.
if [ "$own_x" = 1 ]; then
    # The format is named: ImageMagick takes a ".tmp" file for PostScript, which Debian forbids.
    (while sleep 10; do import -display "$DISPLAY" -window root "png:$BUILD_DIR/helvon.png.tmp" &&
        mv "$BUILD_DIR/helvon.png.tmp" "$BUILD_DIR/helvon.png"; done) &
    HELVON_PIDS+=($!)
    helvon_log "screenshots every 10 s: $BUILD_DIR/helvon.png"
fi

helvon_log "starting the program (display $DISPLAY); close its window or press Ctrl+C to stop"
# In the background: a stop from the command's first shell is handled at once, not after the
# program ends.
"$HELVON_ROOT/tools/wine-run.sh" "$BUILD_DIR/win/app/Helvon.exe" "$@" &
program=$!
# Wine ends before the X server does: its windows would report the broken connection.
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; exit 0' TERM
wait "$program"
helvon_log "the program ended"
