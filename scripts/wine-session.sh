# Sourced by the test, run and benchmark scripts and by the runner of the test programs
# (cmake/run-wine-test.sh): a private virtual display and a Wine prefix inside the build
# tree, torn down when the calling script exits. Never touches the user's own display or
# prefix.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
vell_xvfb_pid=

# $1: the screen's size and depth (default 1024x768x24). Xvfb itself takes the first
# free display number and writes it to -displayfd once it accepts clients, so runs
# started at the same time never race for a number.
vell_start_display() {
    local numbers n=
    numbers=$(mktemp "${TMPDIR:-/tmp}/vell-display.XXXXXX") || return 1
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
    vell_xvfb_pid=$!
    for _ in $(seq 1 100); do
        if [ "$(wc -l <"$numbers")" -ge 1 ]; then
            n=$(head -n 1 "$numbers")
            break
        fi
        kill -0 "$vell_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numbers"
    [ -n "$n" ] || { echo "Xvfb did not start." >&2; vell_stop_display; return 1; }
    export DISPLAY=":$n"
}

vell_stop_display() {
    [ -n "$vell_xvfb_pid" ] && kill "$vell_xvfb_pid" 2>/dev/null
    vell_xvfb_pid=
}

# The environment of every Wine process of the project: the prefix $1, no debug
# output, and no menu entries, crash debugger, .NET or Gecko prompts.
vell_wine_environment() {
    export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree=d;mshtml=d"
}

# $1: the prefix folder. $2: "fresh" to create it anew.
vell_start_wine() {
    vell_wine_environment "$1"
    [ "${2:-}" = fresh ] && rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # One wineserver for the whole run, so every test program starts at once.
    "$WINESERVER" -p
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINE64" wineboot -i >/dev/null 2>&1
        # The session that made the prefix keeps the service manager's start lock held
        # (Wine 8): no service, the Task Scheduler among them, starts in it. A second
        # boot of the new prefix starts clean.
        "$WINESERVER" -k
        "$WINESERVER" -w
        "$WINESERVER" -p
        "$WINE64" wineboot >/dev/null 2>&1
    else
        # Starts the prefix's services now, detached from any caller's output: a
        # service started by the first test program would hold ctest's pipe open.
        "$WINE64" wineboot >/dev/null 2>&1
    fi
}

# $1: the build folder. The stand-ins of system pieces that Wine lacks go where the real
# ones live, in this prefix only: the fax client library into the system folder,
# registered there as the fax server class; the test audio device and the "WAV Dest"
# wave writer, registered as their classes and filters.
vell_install_standins() {
    local dll system32="$WINEPREFIX/drive_c/windows/system32"
    for dll in winfax VellTestAudio; do
        cp "$1/standins/$dll.dll" "$system32/$dll.dll" &&
            "$WINE64" regsvr32 /s "$dll.dll" >/dev/null 2>&1 ||
            { echo "The stand-in $dll.dll could not be registered in the test prefix." >&2; return 1; }
    done
}

vell_stop_session() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null || true
    vell_stop_display
    return 0
}
