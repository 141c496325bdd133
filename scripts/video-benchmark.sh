#!/usr/bin/env bash
# The video capture benchmark: builds, then on a private virtual display with the test
# camera and the AVI multiplexer registered in a prefix of its own, records from the
# test camera at 1280x720 and 1920x1080 (30 seconds each unless the argument says
# otherwise), preview on, and prints for each size the frames offered, written and
# dropped, the achieved rate and the CPU time. Figures only: it checks nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}
seconds=${1:-30}

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-session.sh"
out=$(mktemp -d /tmp/vell-video-bench.XXXXXX)
trap 'vell_stop_session; rm -rf "$out"' EXIT
vell_start_display
vell_start_wine "$build/wineprefix-video-bench"
vell_install_standins "$build"

"$WINE64" "$build/bin/VideoCaptureBenchmark.exe" "Z:${out//\//\\}" "$seconds"
