# A world of its own for one test program, so programs run side by side: an X server on a free
# display, a Wine prefix copied from the run's template, serial pairs linked into that prefix.
# Sourced by wine-run.sh for each program and by common.sh; defines functions only.

# helvon_xvfb_launch: starts an X server on the first free display (HELVON_X_PID);
# helvon_xvfb_wait waits until it takes connections and sets HELVON_X_DISPLAY.
helvon_xvfb_launch() {
    HELVON_X_FILE=$(mktemp)
    # The server writes its display number when it accepts connections; a display taken by
    # another server (of any clone) is skipped.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$HELVON_X_FILE" >/dev/null 2>&1 &
    HELVON_X_PID=$!
}

helvon_xvfb_wait() {
    for _ in $(seq 300); do
        [ -s "$HELVON_X_FILE" ] && break
        kill -0 "$HELVON_X_PID" 2>/dev/null || break
        sleep 0.05
    done
    HELVON_X_DISPLAY=:$(head -1 "$HELVON_X_FILE")
    rm -f "$HELVON_X_FILE"
    if [ "$HELVON_X_DISPLAY" = ":" ]; then
        echo "Xvfb did not start" >&2
        kill "$HELVON_X_PID" 2>/dev/null || true
        return 1
    fi
}

helvon_xvfb() {
    helvon_xvfb_launch
    helvon_xvfb_wait
}

# Files Wine only reads: hard links into the template are safe. Everything else (the registry,
# ini files, printer descriptions) is written in place and gets a copy of its own.
HELVON_PREFIX_LINKED=(dll exe sys drv ocx cpl acm tlb ds ax com nls msstyles)

# helvon_copy_prefix TEMPLATE DEST: a prefix of its own in a fraction of a second.
helvon_copy_prefix() {
    local tpl=$1 dst=$2 names=() s
    for s in "${HELVON_PREFIX_LINKED[@]}"; do names+=(-o -name "*.$s"); done
    cp -al "$tpl" "$dst"
    (cd "$tpl" && find . -type f ! \( "${names[@]:1}" \) -print0 |
        xargs -0 -r cp -p --remove-destination --parents -t "$dst")
}

# helvon_serial_pairs DIR "5:6 10:11": starts socat pty pairs whose ends appear as DIR/ptyN
# (HELVON_SOCAT_PIDS); helvon_link_pairs then links them as the prefix's COM ports.
helvon_serial_pairs() {
    local dir=$1 a b pair
    HELVON_SOCAT_PIDS=()
    HELVON_PAIRS=$2
    for pair in $2; do
        a=${pair%%:*}
        b=${pair##*:}
        rm -f "$dir/pty$a" "$dir/pty$b"
        socat pty,raw,echo=0,link="$dir/pty$a" pty,raw,echo=0,link="$dir/pty$b" 2>/dev/null &
        HELVON_SOCAT_PIDS+=($!)
    done
}

# helvon_link_pairs DIR: after the prefix's device manager started, which removes links it did
# not make. Exports COM_PAIRS=5:6,10:11.
helvon_link_pairs() {
    local dir=$1 pairs=() a b pair
    for pair in $HELVON_PAIRS; do
        a=${pair%%:*}
        b=${pair##*:}
        for _ in $(seq 200); do [ -e "$dir/pty$a" ] && [ -e "$dir/pty$b" ] && break; sleep 0.05; done
        ln -sf "$dir/pty$a" "$WINEPREFIX/dosdevices/com$a"
        ln -sf "$dir/pty$b" "$WINEPREFIX/dosdevices/com$b"
        pairs+=("$a:$b")
    done
    COM_PAIRS=$(IFS=,; echo "${pairs[*]}")
    export COM_PAIRS
}

# helvon_env_start NAME: below $HELVON_TEST_ENVS, a folder with an X server, a prefix copied from
# $HELVON_WINE_TEMPLATE with its server and services started, and the serial pairs. Exports
# DISPLAY, WINEPREFIX, COM_PAIRS and HELVON_TEST_DIR (the folder); helvon_env_stop ends them all.
helvon_env_start() {
    mkdir -p "$HELVON_TEST_ENVS"
    HELVON_TEST_DIR=$(mktemp -d "$HELVON_TEST_ENVS/$1.XXXXXX")
    export HELVON_TEST_DIR
    # The X server and the pairs start while the prefix is copied.
    helvon_xvfb_launch
    helvon_serial_pairs "$HELVON_TEST_DIR" "${HELVON_SERIAL_PAIRS:-5:6 10:11}"
    # What the run's end stops should a time-out kill this script before it cleans up.
    echo "$HELVON_X_PID ${HELVON_SOCAT_PIDS[*]}" >"$HELVON_TEST_DIR/pids"
    export WINEPREFIX="$HELVON_TEST_DIR/prefix"
    helvon_copy_prefix "$HELVON_WINE_TEMPLATE" "$WINEPREFIX"
    helvon_xvfb_wait || return 1
    export DISPLAY=$HELVON_X_DISPLAY
    # The server outlives a killed test by seconds only; services start once, before the pairs.
    wineserver -p10 >"$HELVON_TEST_DIR/wineserver.log" 2>&1
    wineboot >/dev/null 2>&1
    helvon_link_pairs "$HELVON_TEST_DIR"
}

helvon_env_stop() {
    [ -n "${HELVON_TEST_DIR:-}" ] || return 0
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    helvon_stop_pids "$HELVON_TEST_DIR/pids"
    rm -rf "$HELVON_TEST_DIR"
    HELVON_TEST_DIR=
}

# helvon_stop_pids FILE: ends the processes listed in FILE (started by the test environment).
helvon_stop_pids() {
    local pids
    pids=$(cat "$1" 2>/dev/null) || return 0
    # shellcheck disable=SC2086
    kill $pids 2>/dev/null || true
    for pid in $pids; do
        wait "$pid" 2>/dev/null || true
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    done
}
