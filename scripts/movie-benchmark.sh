#!/usr/bin/env bash
# The movie benchmark: builds, then on a private 1920x1080 virtual display prints the cost
# of one whole-display movie frame (median and max), the frames per second of frames
# asked back to back for 10 seconds (read back from the movies), and each frame's
# deviation from its schedule over a 60-second recording at frequency 1. Figures only:
# it checks nothing. Arguments: [frames [back-to-back seconds [timed seconds]]].
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-session.sh"
out=$(mktemp -d /tmp/vell-movie-bench.XXXXXX)
trap 'vell_stop_session; rm -rf "$out"' EXIT
vell_start_display 1920x1080x24
vell_start_wine "$build/wineprefix-bench"

"$WINE64" "$build/bin/MovieBenchmark.exe" "Z:${out//\//\\}" "$@"
