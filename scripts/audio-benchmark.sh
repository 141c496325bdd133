#!/usr/bin/env bash
# The audio-recording benchmark: builds, then with a private sound server, a private
# virtual display and the test audio stand-ins registered in a prefix of its own, records
# 10 and 60 seconds through the test audio device while a tone plays and prints, for
# each: the seconds asked, the seconds in the file, their difference, the start latency,
# the gaps in the tone and the dropped buffers. Figures only: it checks nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-session.sh"
source "$root/scripts/services.sh"
out=$(mktemp -d /tmp/vell-audio-bench.XXXXXX)
trap 'vell_stop_session; vell_stop_audio; rm -rf "$out"' EXIT
vell_start_audio "$out"
vell_start_display
vell_start_wine "$build/wineprefix-audio-bench"
vell_install_standins "$build"

"$WINE64" "$build/bin/AudioRecordingBenchmark.exe" "Z:${out//\//\\}"
