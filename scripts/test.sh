#!/usr/bin/env bash
# The one test command: installs what it needs, builds, and runs every test program
# under Wine on a private virtual display. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh"

source "$root/scripts/wine-session.sh"
source "$root/scripts/services.sh"
trap 'vell_stop_session; vell_stop_services' EXIT
vell_start_display
# The peers that the test programs share (CUPS with a PDF printer, as root only, and
# FTP) start before the first Wine process: Wine takes its printers from CUPS as it
# starts. Each test program's own peers (SMTP, a database) start with it, in
# cmake/run-wine-test.sh.
vell_start_services
vell_start_wine "$build/wineprefix" fresh
vell_install_standins "$build"

cd "$build"
# A failed program runs once more (see the README): real input under Wine is timing-bound.
ctest --output-on-failure --repeat until-pass:2 -j "$(nproc)" "$@"
