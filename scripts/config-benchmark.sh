#!/usr/bin/env bash
# The configuration benchmark: builds, then prints the time to save and to open (read,
# check and apply) a configuration that holds every record type, median and maximum of
# repeated runs. Figures only: it checks nothing. Argument: [runs] (default 20).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-session.sh"
out=$(mktemp -d /tmp/vell-config-bench.XXXXXX)
trap 'vell_stop_session; rm -rf "$out"' EXIT
vell_start_display
vell_start_wine "$build/wineprefix-bench"

"$WINE64" "$build/bin/ConfigurationBenchmark.exe" "Z:${out//\//\\}" "$@"
