# Sourced by the test, run and benchmark scripts and by the runner of the test programs
# (cmake/run-wine-test.sh): private virtual displays and Wine prefixes inside the build
# tree, torn down when the calling script exits. Never touches the user's own display or
# prefix.

# A script stopped by Ctrl+C or a kill still tears down what it started: bash runs the
# EXIT trap of the sourcing script on these signals only when they end it through exit.
trap 'exit 130' INT
trap 'exit 143' TERM

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
vell_xvfb_pids=()
vell_slot_prefixes=()

# $1: the screen's size and depth (default 1024x768x24). Xvfb itself takes the first
# free display number and writes it to -displayfd once it accepts clients, so runs
# started at the same time never race for a number. Exports DISPLAY; every display this
# shell starts is stopped by vell_stop_display.
vell_start_display() {
    local numbers n= pid
    numbers=$(mktemp "${TMPDIR:-/tmp}/vell-display.XXXXXX") || return 1
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
    pid=$!
    vell_xvfb_pids+=("$pid")
    for _ in $(seq 1 100); do
        if [ "$(wc -l <"$numbers")" -ge 1 ]; then
            n=$(head -n 1 "$numbers")
            break
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numbers"
    [ -n "$n" ] || { echo "Xvfb did not start." >&2; return 1; }
    export DISPLAY=":$n"
}

vell_stop_display() {
    local pid
    for pid in "${vell_xvfb_pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    vell_xvfb_pids=()
}

# The environment of every Wine process of the project: the prefix $1, no debug
# output, and no menu entries, crash debugger, .NET or Gecko prompts.
vell_wine_environment() {
    export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree=d;mshtml=d"
}

# Starts the prefix's wineserver for good (it outlives its clients, so every program
# starts at once) and its services, detached from any caller's output: a service started
# by a test program would hold ctest's pipe open.
vell_boot_wine() {
    "$WINESERVER" -p >/dev/null 2>&1 </dev/null
    "$WINE64" wineboot >/dev/null 2>&1 </dev/null
}

# $1: the prefix folder. $2: "fresh" to create it anew.
vell_start_wine() {
    vell_wine_environment "$1"
    [ "${2:-}" = fresh ] && rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINESERVER" -p >/dev/null 2>&1 </dev/null
        "$WINE64" wineboot -i >/dev/null 2>&1 </dev/null
        # The session that made the prefix keeps the service manager's start lock held
        # (Wine 8): no service, the Task Scheduler among them, starts in it. A second
        # boot of the new prefix starts clean.
        vell_end_wine
    fi
    vell_boot_wine
}

# Ends every process of the current prefix, its wineserver included, and waits for them.
vell_end_wine() {
    "$WINESERVER" -k 2>/dev/null
    "$WINESERVER" -w 2>/dev/null
    return 0
}

# $1: the build folder. The stand-ins of system pieces that Wine lacks go where the real
# ones live, in this prefix only: the fax client library into the system folder,
# registered there as the fax server class; the test audio device and the "WAV Dest"
# wave writer, the test camera and the AVI multiplexer (under the platform's class id),
# registered as their classes and filters.
vell_install_standins() {
    local dll system32="$WINEPREFIX/drive_c/windows/system32"
    for dll in winfax VellTestAudio VellTestCamera; do
        cp "$1/standins/$dll.dll" "$system32/$dll.dll" &&
            "$WINE64" regsvr32 /s "$dll.dll" >/dev/null 2>&1 ||
            { echo "The stand-in $dll.dll could not be registered in the test prefix." >&2; return 1; }
    done
}

# --- Display slots of the test programs -------------------------------------------
# A slot is what a running test program has to itself: a virtual display, a Wine prefix
# and that prefix's wineserver (so its own desktop, foreground window, key state, cursor,
# registry and services). The folder $1/N of slot N holds "display" (the display's
# name) and "prefix". cmake/run-wine-test.sh runs each program in the slot that ctest
# gives it.

# $1: the slots' folder; $2: the build folder; $3: how many slots. Prepares one prefix
# with the stand-ins registered, copies it into every slot, starts the slots' displays
# and wineservers, and writes the resource file that ctest hands the slots out by
# ($1/resources.json, for --resource-spec-file).
vell_start_slots() {
    local slots=$1 build=$2 count=$3 template="$1/template" i pids=() status=0
    rm -rf "$slots" && mkdir -p "$slots" || return 1
    for i in $(seq 0 $((count - 1))); do
        mkdir -p "$slots/$i"
        vell_start_display || return 1
        echo "$DISPLAY" >"$slots/$i/display"
    done
    ( vell_start_wine "$template" && vell_install_standins "$build" && vell_end_wine ) || return 1
    for i in $(seq 0 $((count - 1))); do
        cp -a "$template" "$slots/$i/prefix" || return 1
        vell_slot_prefixes+=("$slots/$i/prefix")
        ( DISPLAY=$(cat "$slots/$i/display") && vell_wine_environment "$slots/$i/prefix" && vell_boot_wine ) &
        pids+=($!)
    done
    for i in "${pids[@]}"; do
        wait "$i" || status=1
    done
    [ $status -eq 0 ] || { echo "A display slot's Wine prefix did not start." >&2; return 1; }
    rm -rf "$template"
    unset DISPLAY
    vell_write_slot_resources "$slots/resources.json" "$count"
}

# $1: the file; $2: how many slots. ctest's resource format: one resource type,
# "display", with one unit in each slot.
vell_write_slot_resources() {
    local i entries=()
    for i in $(seq 0 $(($2 - 1))); do
        entries+=("{\"id\": \"$i\", \"slots\": 1}")
    done
    local IFS=,
    printf '{"version": {"major": 1, "minor": 0}, "local": [{"display": [%s]}]}\n' "${entries[*]}" >"$1"
}

vell_stop_slots() {
    local prefix
    for prefix in "${vell_slot_prefixes[@]}"; do
        ( vell_wine_environment "$prefix" && "$WINESERVER" -k 2>/dev/null )
    done
    vell_slot_prefixes=()
    vell_stop_display
    return 0
}

vell_stop_session() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null
    vell_stop_slots
}
