#!/usr/bin/env bash
# How ctest starts a test executable: under Wine, with the pty flush shim when it was built. Under
# the test command ($HELVON_WINE_TEMPLATE set) each program runs in a world of its own (X server,
# Wine prefix, serial pairs: tools/test-env.sh), so programs run side by side.
source "$(dirname "$0")/test-env.sh"
shim="${HELVON_HOST_TOOLS:-}/ptyflush.so"
if [ -f "$shim" ]; then
    export LD_PRELOAD="$shim${LD_PRELOAD:+:$LD_PRELOAD}"
fi

# run_program EXE ARGS...: Wine's exit code of the program.
run_program() {
    case "$1" in
    *_test.exe) ;;
    *)
        wine "$@"
        return
        ;;
    esac
    # Now and then, on a loaded machine, wine ends within milliseconds, silently and with a
    # failure, before the program's own code runs. A test executable leaves a marker as its first
    # step; when it failed without one, it never ran, and it is started once more.
    local marker=".started-$$" attempt rc
    export HELVON_STARTED_MARKER="$marker"
    for attempt in 1 2; do
        rm -f "$marker"
        wine "$@"
        rc=$?
        if [ "$rc" = 0 ] || [ -e "$marker" ]; then
            rm -f "$marker"
            return "$rc"
        fi
        echo "wine-run: $1 ended with $rc before it started (attempt $attempt)" >&2
    done
    return "$rc"
}

if [ -z "${HELVON_WINE_TEMPLATE:-}" ]; then
    run_program "$@"
    exit
fi

trap helvon_env_stop EXIT
trap 'exit 130' INT TERM
exe=$1
shift
helvon_env_start "$(basename "$exe" .exe)" || exit 1
# Programs of one executable that run side by side (shards, other locales) would share the
# files the program keeps beside itself: each runs a linked copy in its own folder instead.
if [ -n "${HELVON_PRIVATE_BIN:-}" ]; then
    mkdir "$HELVON_TEST_DIR/bin"
    for f in "$(dirname "$exe")"/*.exe "$(dirname "$exe")"/*.dll; do
        [ -f "$f" ] || continue
        ln "$f" "$HELVON_TEST_DIR/bin/" 2>/dev/null || cp -p "$f" "$HELVON_TEST_DIR/bin/"
    done
    exe="$HELVON_TEST_DIR/bin/$(basename "$exe")"
fi
run_program "$exe" "$@"
