#!/usr/bin/env bash
# The training benchmark: builds, then on a private virtual display prints (a) each key
# and button event's deviation from its recorded offset when a session of mixed input is
# recorded and played back (median, p99, max), and (b) the events sent, recorded and lost
# at 1,000 input events a second. Figures only: it checks nothing.
# Arguments: [session seconds [flood seconds]].
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-session.sh"
out=$(mktemp -d /tmp/vell-training-bench.XXXXXX)
trap 'vell_stop_session; rm -rf "$out"' EXIT
vell_start_display 1024x768x24
vell_start_wine "$build/wineprefix-bench"

"$WINE64" "$build/bin/TrainingBenchmark.exe" "Z:${out//\//\\}" "$@"
