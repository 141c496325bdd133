#!/usr/bin/env bash
# The screen-capture benchmark: builds, then on a private 1920x1080 virtual display
# prints the screen reads per capture, the time of one desktop capture to PNG and to
# BMP (median and max), the peak memory of a one-capture desktop job of VellRunJobs.exe,
# and the size of the PNG against a zlib PNG (default level, adaptive filters) of the
# same pixels. Figures only: it checks nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-session.sh"
out=$(mktemp -d /tmp/vell-bench.XXXXXX)
trap 'vell_stop_session; rm -rf "$out"' EXIT
vell_start_display 1920x1080x24
vell_start_wine "$build/wineprefix-bench"

"$WINE64" "$build/bin/ScreenCaptureBenchmark.exe" "Z:${out//\//\\}" "${1:-10}"
/usr/bin/python3 "$root/scripts/png_reference.py" "$out/Desktop.bmp" "$out/Desktop.png"
