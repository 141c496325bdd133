# Sourced by the test and run scripts: a private virtual display and a Wine prefix
# inside the build tree, torn down when the calling script exits. Never touches the
# user's own display or prefix.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
vell_xvfb_pid=

vell_free_display() {
    local n
    for n in $(seq 90 199); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

# $1: the screen's size and depth (default 1024x768x24).
vell_start_display() {
    local n
    n=$(vell_free_display) || { echo "No free X display number." >&2; return 1; }
    Xvfb ":$n" -screen 0 "${1:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
    vell_xvfb_pid=$!
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X$n" ] || { echo "Xvfb did not start." >&2; return 1; }
    export DISPLAY=":$n"
}

# $1: the prefix folder. $2: "fresh" to create it anew.
vell_start_wine() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree=d;mshtml=d"
    export WINEARCH=win64
    [ "${2:-}" = fresh ] && rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # One wineserver for the whole run, so every test program starts at once.
    "$WINESERVER" -p
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINE64" wineboot -i >/dev/null 2>&1
    else
        # Starts the prefix's services now, detached from any caller's output: a
        # service started by the first test program would hold ctest's pipe open.
        "$WINE64" wineboot >/dev/null 2>&1
    fi
}

# $1: the build folder. The stand-ins of system pieces that Wine lacks go where the real
# ones live, in this prefix only: the fax client library into the system folder,
# registered there as the fax server class.
vell_install_standins() {
    cp "$1/standins/winfax.dll" "$WINEPREFIX/drive_c/windows/system32/winfax.dll"
    "$WINE64" regsvr32 /s winfax.dll >/dev/null 2>&1 ||
        { echo "The fax service stand-in could not be registered in the test prefix." >&2; return 1; }
}

vell_stop_session() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null || true
    [ -n "$vell_xvfb_pid" ] && kill "$vell_xvfb_pid" 2>/dev/null || true
    vell_xvfb_pid=
}
