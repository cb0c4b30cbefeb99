# Shared steps of the build, test and run commands: packages, build, Wine prefix, X server, COM pairs.
# Sourced by the scripts in tools/; everything started here is stopped by helvon_stop_all.

set -Eeuo pipefail
trap 'echo "== failed (exit $?): $BASH_COMMAND" >&2' ERR
HELVON_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$HELVON_ROOT/tools/test-env.sh"
BUILD_DIR=${BUILD_DIR:-$HELVON_ROOT/build}
mkdir -p "$BUILD_DIR"
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
HELVON_PIDS=()
# Parallel jobs of the build and the test run; extra CMake arguments of the Windows build.
HELVON_JOBS=${HELVON_JOBS:-$(nproc)}
HELVON_CMAKE_ARGS=(${HELVON_CMAKE_ARGS[@]+"${HELVON_CMAKE_ARGS[@]}"})

HELVON_PACKAGES=(wine wine64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-x86-64-dev
    xvfb xauth socat googletest cmake ninja-build ccache python3 g++ make
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
    local gen=()
    # Ninja starts a library's users' files before the library is archived, which keeps all cores
    # busy through a first build; a folder configured earlier keeps its own generator.
    [[ -f $BUILD_DIR/win/CMakeCache.txt ]] || gen=(-G Ninja)
    helvon_log "building in $BUILD_DIR"
    cmake -S "$HELVON_ROOT" -B "$BUILD_DIR/win" "${gen[@]}" \
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
    # Test environments whose script a time-out killed before it could clean up.
    if [ -n "${HELVON_TEST_ENVS:-}" ] && [ -d "$HELVON_TEST_ENVS" ]; then
        local env
        for env in "$HELVON_TEST_ENVS"/*/; do
            [ -d "$env/prefix" ] && WINEPREFIX="$env/prefix" wineserver -k 2>/dev/null
            helvon_stop_pids "$env/pids"
        done
        rm -rf "$HELVON_TEST_ENVS"
    fi
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
    if [ -n "${HELVON_CUPS_DIR:-}" ]; then
        rm -rf "$HELVON_CUPS_DIR"
        rm -f "$HELVON_CUPS_PDF_CONF"
    fi
}

helvon_start_x() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
    helvon_xvfb
    HELVON_PIDS+=("$HELVON_X_PID")
    export DISPLAY=$HELVON_X_DISPLAY
}

# helvon_wine_env: what every Wine start of the project has: no debug output, no Mono or Gecko
# installer, no menu entries or file types written into the home folder, only the project's fonts.
helvon_wine_env() {
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    helvon_fonts
}

# helvon_fonts_key: changes whenever the font set Wine sees changes.
helvon_fonts_key() {
    {
        cat "$FONTCONFIG_FILE"
        find "${HELVON_FONT_DIRS[@]}" -type f 2>/dev/null | LC_ALL=C sort
    } | md5sum | cut -d' ' -f1
}

# helvon_setup_prefix LOG: makes or updates the prefix $WINEPREFIX as the program and the tests
# expect it, and leaves its server running (its output to LOG).
helvon_setup_prefix() {
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
    wineserver -p >"$1" 2>&1
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
        wineserver -p >>"$1" 2>&1
        wineboot >/dev/null 2>&1
    fi
}

# helvon_start_wine: the build's own prefix for the run command and the benchmarks, its server
# running until helvon_stop_all.
helvon_start_wine() {
    export WINEPREFIX="$BUILD_DIR/wineprefix"
    helvon_wine_env
    # A prefix remembers the fonts it has seen: a new font set needs a new prefix.
    local fonts
    fonts=$(helvon_fonts_key)
    if [ -d "$WINEPREFIX" ] && [ "$(cat "$BUILD_DIR/wineprefix.fonts" 2>/dev/null)" != "$fonts" ]; then
        helvon_log "the font set changed: a new Wine prefix"
        wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    mkdir -p "$WINEPREFIX"
    echo "$fonts" >"$BUILD_DIR/wineprefix.fonts"
    helvon_setup_prefix "$BUILD_DIR/wineserver.log"
}

# helvon_wine_template: the prefix each test program's own prefix is copied from
# (HELVON_WINE_TEMPLATE); made again when Wine, the fonts, the printer or the set-up change.
helvon_wine_template() {
    helvon_wine_env
    export HELVON_WINE_TEMPLATE="$BUILD_DIR/wine-template"
    local key
    key=$({
        helvon_fonts_key
        wine --version
        declare -f helvon_setup_prefix helvon_wine_template
        [ -z "${CUPS_SERVER:-}" ] || echo printer
    } 2>&1 | md5sum | cut -d' ' -f1)
    if [ -d "$HELVON_WINE_TEMPLATE" ] && [ "$(cat "$HELVON_WINE_TEMPLATE.key" 2>/dev/null)" = "$key" ]; then
        return 0
    fi
    helvon_log "making the Wine prefix the tests copy"
    rm -rf "$HELVON_WINE_TEMPLATE" "$HELVON_WINE_TEMPLATE.key"
    mkdir -p "$HELVON_WINE_TEMPLATE"
    (
        helvon_xvfb
        export DISPLAY=$HELVON_X_DISPLAY WINEPREFIX=$HELVON_WINE_TEMPLATE
        helvon_setup_prefix "$BUILD_DIR/wine-template.log"
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        kill "$HELVON_X_PID" 2>/dev/null || true
        # The user's folders are links into the home folder, which every prefix would share:
        # each prefix gets folders of its own.
        local link
        for link in "$WINEPREFIX"/drive_c/users/*/*; do
            if [ -L "$link" ]; then
                rm "$link"
                mkdir "$link"
            fi
        done
    )
    echo "$key" >"$HELVON_WINE_TEMPLATE.key"
}

# helvon_start_printer [PDF folder]: a CUPS scheduler of this run alone, on its own socket and
# spool, with the "PDF" queue of the cups-pdf driver writing into the folder ($BUILD_DIR/pdf when
# none is given; exported as HELVON_PDF_DIR). Programs reach it through CUPS_SERVER; no other run
# can stop it, and it stops with the run. Without CUPS the tests see no printer, which they must
# survive.
helvon_start_printer() {
    if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null ||
        [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
        helvon_log "no CUPS: tests run without a printer"
        return 0
    fi
    export HELVON_PDF_DIR=${1:-$BUILD_DIR/pdf}
    mkdir -p "$HELVON_PDF_DIR"
    # A short path, since a socket's name must fit in 108 bytes; open to all, since the filters
    # run as the scheduler's user and must reach the spool.
    HELVON_CUPS_DIR=$(mktemp -d /tmp/helvon-cups.XXXXXX)
    chmod 755 "$HELVON_CUPS_DIR"
    local d=$HELVON_CUPS_DIR id
    id=helvon-${d##*.}
    mkdir -p "$d/etc/ppd" "$d/spool/tmp" "$d/cache" "$d/state" "$d/log" "$d/pdf-spool"
    cat >"$d/etc/cups-files.conf" <<EOF
SystemGroup root lpadmin
PeerCred on
ServerRoot $d/etc
RequestRoot $d/spool
TempDir $d/spool/tmp
CacheDir $d/cache
StateDir $d/state
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
EOF
    cat >"$d/etc/cupsd.conf" <<EOF
LogLevel warn
Listen $d/cups.sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    # cups-pdf reads its settings from /etc/cups only, named after the queue's device URI.
    HELVON_CUPS_PDF_CONF=/etc/cups/cups-pdf-$id.conf
    printf 'Out %s\nSpool %s\nGrp lpadmin\nDecodeHexStrings 1\n' "$HELVON_PDF_DIR" "$d/pdf-spool" \
        >"$HELVON_CUPS_PDF_CONF"
    /usr/sbin/cupsd -f -c "$d/etc/cupsd.conf" -s "$d/etc/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
    HELVON_PIDS+=($!)
    export CUPS_SERVER=$d/cups.sock
    for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.1; done
    if ! lpadmin -p PDF -v "cups-pdf:/$id" -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
        ! lpadmin -d PDF; then
        helvon_log "the PDF printer could not be set up ($d/log)"
        return 1
    fi
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

# helvon_run_tests [ctest args]: the printer and the template prefix, then ctest on the build with
# as many programs at a time as jobs; each program gets its own X server, prefix and serial pairs
# (tools/wine-run.sh).
helvon_run_tests() {
    trap helvon_stop_all EXIT
    # Each step checked: the caller may test the result, which turns off errexit in here.
    helvon_start_printer || return
    helvon_wine_template || return
    export HELVON_HOST_TOOLS="$BUILD_DIR/host" HELVON_TEST_ENVS="$BUILD_DIR/test-envs"
    rm -rf "$HELVON_TEST_ENVS"
    cd "$BUILD_DIR/win" || return
    # Every program under Wine fails when it crashed, whatever its exit code.
    ctest --show-only=json-v1 | python3 "$HELVON_ROOT/tools/check-tests.py" || return
    helvon_log "running tests, $HELVON_JOBS at a time"
    # A pattern that matches no test fails instead of passing silently.
    ctest --output-on-failure --no-tests=error --timeout 600 -j "$HELVON_JOBS" "$@"
}
