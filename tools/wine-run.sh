#!/usr/bin/env bash
# How ctest starts a test executable: under Wine, with the pty flush shim when it was built.
shim="${HELVON_HOST_TOOLS:-}/ptyflush.so"
if [ -f "$shim" ]; then
    export LD_PRELOAD="$shim${LD_PRELOAD:+:$LD_PRELOAD}"
fi
case "$1" in
*_test.exe) ;;
*) exec wine "$@" ;;
esac
# Now and then, on a loaded machine, wine ends within milliseconds, silently and with a failure,
# before the program's own code runs. A test executable leaves a marker as its first step; when
# it failed without one, it never ran, and it is started once more.
marker=".started-$$"
export HELVON_STARTED_MARKER="$marker"
for attempt in 1 2; do
    rm -f "$marker"
    wine "$@"
    rc=$?
    if [ "$rc" = 0 ] || [ -e "$marker" ]; then
        rm -f "$marker"
        exit "$rc"
    fi
    echo "wine-run: $1 ended with $rc before it started (attempt $attempt)" >&2
done
exit "$rc"
