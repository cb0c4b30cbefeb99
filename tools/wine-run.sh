#!/usr/bin/env bash
# How ctest starts a test executable: under Wine, with the pty flush shim when it was built.
shim="${HELVON_HOST_TOOLS:-}/ptyflush.so"
if [ -f "$shim" ]; then
    export LD_PRELOAD="$shim${LD_PRELOAD:+:$LD_PRELOAD}"
fi
exec wine "$@"
