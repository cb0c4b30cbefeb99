# Shared steps of the build, test and run commands: packages, build, Wine prefix, X server, COM pairs.
# Sourced by the scripts in tools/; everything started here is stopped by helvon_stop_all.

set -Eeuo pipefail
trap 'echo "== failed (exit $?): $BASH_COMMAND" >&2' ERR
HELVON_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$HELVON_ROOT/build}
mkdir -p "$BUILD_DIR"
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
HELVON_PIDS=()
# Parallel jobs of the build and the test run; extra CMake arguments of the Windows build.
HELVON_JOBS=${HELVON_JOBS:-$(nproc)}
HELVON_CMAKE_ARGS=(${HELVON_CMAKE_ARGS[@]+"${HELVON_CMAKE_ARGS[@]}"})

HELVON_PACKAGES=(wine wine64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-x86-64-dev
    xvfb xauth socat googletest cmake ccache python3 g++ make
    cups printer-driver-cups-pdf poppler-utils libcups2 imagemagick fonts-wine
    fonts-liberation2 locales x11-utils)

# The only fonts Wine sees: Liberation has the metrics of Arial, Times New Roman and Courier New,
# so layouts match what a Windows user sees, whatever else the machine has installed.
HELVON_FONT_DIRS=(/usr/share/fonts/truetype/liberation2)
# Wine's own symbol font, which draws the caption, menu and scroll-bar glyphs (DrawFrameControl).
# Debian's Wine looks for its fonts under a path it cannot open, so without it those buttons show
# the letters and digits the glyphs are coded as. Only this one: the text fonts stay Liberation.
HELVON_WINE_FONTS=(/usr/share/wine/fonts/marlett.ttf)

helvon_log() { printf '== %s\n' "$*" >&2; }

helvon_install() {
    local missing=()
    for p in "${HELVON_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        helvon_log "installing ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q
        # Without --no-install-recommends apt reaches for the 32-bit Wine, which cannot be installed here.
        apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

# helvon_build ["windows targets" "host targets"]: everything when no targets are named.
helvon_build() {
    local win=() host=() t
    for t in ${1:-}; do win+=(--target "$t"); done
    for t in ${2:-}; do host+=(--target "$t"); done
    helvon_log "building in $BUILD_DIR"
    cmake -S "$HELVON_ROOT" -B "$BUILD_DIR/win" \
        -DCMAKE_TOOLCHAIN_FILE="$HELVON_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo ${HELVON_CMAKE_ARGS[@]+"${HELVON_CMAKE_ARGS[@]}"} >/dev/null
    cmake --build "$BUILD_DIR/win" -j "$HELVON_JOBS" "${win[@]}"
    # Linux-side helpers: station simulator, the pty flush shim.
    cmake -S "$HELVON_ROOT/tools" -B "$BUILD_DIR/host" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$BUILD_DIR/host" -j "$HELVON_JOBS" "${host[@]}"
}

# helvon_make_locale LOCALE: generates the locale when the machine lacks it.
helvon_make_locale() {
    local want=$1 norm
    norm=$(printf '%s' "$want" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    if ! locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$norm"; then
        helvon_log "generating the locale $want"
        sed -i "s/^# *\(${want%%.*}\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -q "^${want%%.*}\.UTF-8 UTF-8" /etc/locale.gen || echo "${want%%.*}.UTF-8 UTF-8" >>/etc/locale.gen
        locale-gen >/dev/null
    fi
}

# helvon_locale LOCALE: makes the locale (generated when missing) the only one in force; Wine
# takes the user's language and number formats from it.
helvon_locale() {
    helvon_make_locale "$1"
    unset LANGUAGE
    export LANG=$1 LC_ALL=$1
}

# helvon_fonts: a fontconfig file that lists only the project's font folders, with its cache in
# the build. Wine ignores <rejectfont>, so the folders are the only way to choose what it sees.
helvon_fonts() {
    local conf="$BUILD_DIR/fonts.conf" d
    {
        echo '<?xml version="1.0"?>'
        echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
        echo '<fontconfig>'
        for d in "${HELVON_FONT_DIRS[@]}"; do echo "  <dir>$d</dir>"; done
        echo "  <cachedir>$BUILD_DIR/fontconfig-cache</cachedir>"
        echo '  <include ignore_missing="yes">/etc/fonts/conf.d/30-metric-aliases.conf</include>'
        echo '</fontconfig>'
    } >"$conf"
    export FONTCONFIG_FILE=$conf
}

helvon_stop_all() {
    set +e
    trap - ERR
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null; fi
    for pid in "${HELVON_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    # Simulators that tests started and could not stop (Wine cannot signal a Linux process).
    pkill -f "$BUILD_DIR/host/stationsim/stationsim" 2>/dev/null
    pkill -f "$BUILD_DIR/host/pendixsim/pendixsim" 2>/dev/null
    for pid in "${HELVON_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    HELVON_PIDS=()
}

helvon_start_x() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
    local n=57
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    HELVON_PIDS+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return; sleep 0.1; done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

helvon_start_wine() {
    export WINEPREFIX="$BUILD_DIR/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    helvon_fonts
    # A prefix remembers the fonts it has seen: a new font set needs a new prefix.
    local fonts
    fonts=$(cat "$FONTCONFIG_FILE"; find "${HELVON_FONT_DIRS[@]}" -type f 2>/dev/null | LC_ALL=C sort)
    fonts=$(printf '%s' "$fonts" | md5sum | cut -d' ' -f1)
    if [ -d "$WINEPREFIX" ] && [ "$(cat "$BUILD_DIR/wineprefix.fonts" 2>/dev/null)" != "$fonts" ]; then
        helvon_log "the font set changed: a new Wine prefix"
        WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    mkdir -p "$WINEPREFIX"
    echo "$fonts" >"$BUILD_DIR/wineprefix.fonts"
    # In the prefix's font folder before the server starts: it reads its font list once.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    local f
    for f in "${HELVON_WINE_FONTS[@]}"; do
        [ -e "$f" ] || { echo "Wine's font $f is missing (package fonts-wine)" >&2; return 1; }
        ln -sf "$f" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    # Keep one server for the whole run: each program then starts in a fraction of a second.
    # A server left from an earlier run of this prefix is ended first (-p refuses a second one).
    # Its output goes to a log: the server lists all its objects whenever a serial port's pty
    # hangs up (it holds the line as its terminal), thousands of lines per simulator run.
    wineserver -k 2>/dev/null || true
    wineserver -p >"$BUILD_DIR/wineserver.log" 2>&1
    wineboot -i >/dev/null 2>&1
    # Wine draws the frames itself: with no window manager to answer, every hide would otherwise
    # wait 2 s, and a press on a caption would reach no window.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A crashing program prints its stack and ends, instead of waiting on Wine's crash dialog until
    # the test's time runs out.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # The station simulator's port COM7: Wine's device manager lists only the ports it made when
    # its services started, so it is registered (its target need not exist; the simulator links
    # its line there) and the server is started once more. COM8 stays unlisted: the Pendix tests
    # need a port that is missing when no simulator runs.
    if ! wine reg query 'HKLM\Software\Wine\Ports' /v COM7 >/dev/null 2>&1 ||
        wine reg query 'HKLM\Software\Wine\Ports' /v COM8 >/dev/null 2>&1; then
        wine reg delete 'HKLM\Software\Wine\Ports' /v COM8 /f >/dev/null 2>&1 || true
        rm -f "$WINEPREFIX/dosdevices/com8"
        wine reg add 'HKLM\Software\Wine\Ports' /v COM7 /d "$BUILD_DIR/simcom7" /f >/dev/null 2>&1
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        wineserver -p >>"$BUILD_DIR/wineserver.log" 2>&1
        wineboot >/dev/null 2>&1
    fi
}

# helvon_start_printer: the "PDF" queue of CUPS with the cups-pdf driver (files land in
# $HOME/PDF). Starts cupsd only when none runs, and stops only what it started. Without CUPS the
# tests see no printer, which they must survive.
helvon_start_printer() {
    if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
        helvon_log "no CUPS: tests run without a printer"
        return 0
    fi
    # lpstat -r succeeds either way; its text tells whether the scheduler runs.
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        mkdir -p /run/cups
        /usr/sbin/cupsd -f >/dev/null 2>&1 &
        HELVON_PIDS+=($!)
        for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.1; done
    fi
    if ! lpstat -p PDF >/dev/null 2>&1; then
        lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd && lpadmin -d PDF ||
            helvon_log "the PDF printer could not be set up"
    fi
    mkdir -p "$HOME/PDF"
}

# helvon_com_pairs "5:6 10:11": socat pty pairs linked as Wine COM ports, made after wineboot so
# Wine's device manager does not remove them. Exports COM_PAIRS=5:6,10:11.
helvon_com_pairs() {
    local pairs=() a b
    for pair in $1; do
        a=${pair%%:*}; b=${pair##*:}
        rm -f "$BUILD_DIR/pty$a" "$BUILD_DIR/pty$b"
        socat pty,raw,echo=0,link="$BUILD_DIR/pty$a" pty,raw,echo=0,link="$BUILD_DIR/pty$b" 2>/dev/null &
        HELVON_PIDS+=($!)
        for _ in $(seq 50); do [ -e "$BUILD_DIR/pty$a" ] && [ -e "$BUILD_DIR/pty$b" ] && break; sleep 0.1; done
        ln -sf "$BUILD_DIR/pty$a" "$WINEPREFIX/dosdevices/com$a"
        ln -sf "$BUILD_DIR/pty$b" "$WINEPREFIX/dosdevices/com$b"
        pairs+=("$a:$b")
    done
    COM_PAIRS=$(IFS=,; echo "${pairs[*]}")
    export COM_PAIRS
}

# helvon_prepare_tests: the packages and locales the tests need, before the build.
helvon_prepare_tests() {
    # The spreadsheet programs that check the workbooks the grid tests write.
    HELVON_PACKAGES+=(python3-xlrd python3-olefile gnumeric libreoffice-calc-nogui)
    helvon_install
    # A fixed locale, whatever the machine's: Wine shows English texts and the decimal point for it.
    helvon_locale C.UTF-8
    # The application's German test runs under the operator's locale.
    helvon_make_locale de_DE.UTF-8
}

# helvon_run_tests [ctest args]: X server, printer, Wine prefix and COM pairs, then ctest on the build.
helvon_run_tests() {
    trap helvon_stop_all EXIT
    helvon_start_x
    helvon_start_printer
    helvon_start_wine
    helvon_com_pairs "5:6 10:11"
    export HELVON_HOST_TOOLS="$BUILD_DIR/host"
    helvon_log "running tests (display $DISPLAY, COM pairs $COM_PAIRS)"
    cd "$BUILD_DIR/win"
    ctest --output-on-failure --timeout 600 -j "$HELVON_JOBS" "$@"
}
