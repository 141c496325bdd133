#!/usr/bin/env bash
# Starts the main program: installs what it needs, builds, and runs Vellumor.exe under Wine
# in a prefix of its own. On the user's display it runs until the user exits it. Without a
# display it runs on a private virtual display, saves a screenshot of its window into
# build/vellumor-screenshot.bmp, exits it and ends. Exits with Vellumor's exit code.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}
bin=$build/bin

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh"

source "$root/scripts/wine-session.sh"
trap vell_stop_session EXIT
private=
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    vell_start_display
    private=1
fi
vell_start_wine "$build/wineprefix-main"

cd "$bin"
if [ -z "$private" ]; then
    code=0
    "$WINE64" ./Vellumor.exe >"$build/run-main.log" 2>&1 || code=$?
    exit "$code"
fi
shot="$build/vellumor-screenshot.bmp"
rm -f "$shot"
"$WINE64" ./Vellumor.exe >"$build/run-main.log" 2>&1 &
main=$!
code=0
# The screenshot tool waits for the main window, saves it and exits the program; when it
# fails or hangs, the program is ended here rather than waited for without end.
timeout 120 "$WINE64" ./VellScreenshot.exe "$(echo "Z:$shot" | tr / '\\')" || code=$?
for _ in $(seq 1 600); do
    kill -0 "$main" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$main" 2>/dev/null; then
    echo "Vellumor.exe did not exit after the screenshot: it is ended." >&2
    vell_end_wine
    [ "$code" -ne 0 ] || code=1
fi
wait "$main" || [ "$code" -ne 0 ] || code=$?
[ -f "$shot" ] && echo "$shot"
exit "$code"
