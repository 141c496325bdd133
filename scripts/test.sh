#!/usr/bin/env bash
# The one test command: installs what it needs, builds, and runs every test program
# under Wine, each in a display slot of its own (a private virtual display, Wine prefix
# and wineserver), as many at once as there are slots. Exits non-zero on any failure.
# VELL_TEST_SLOTS sets the number of slots (default: the machine's cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}
slots=${VELL_TEST_SLOTS:-$(nproc)}

bash "$root/scripts/install-deps.sh"
start=$SECONDS
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh" -DVELL_WARNINGS_AS_ERRORS=ON
echo "The build took $((SECONDS - start)) s."

source "$root/scripts/wine-session.sh"
source "$root/scripts/services.sh"
trap 'vell_stop_slots; vell_stop_services' EXIT
# The peers that the test programs share (CUPS with a PDF printer, as root only, and
# FTP) start before the first Wine process: Wine takes its printers from CUPS as it
# starts. Each test program's own peers (SMTP, a database, a sound server) start with
# it, in cmake/run-wine-test.sh.
vell_start_services
vell_start_slots "$build/slots" "$build" "$slots"

cd "$build"
# A program that fails runs once more, and the command fails when it fails again: some
# programs that drive windows and input under Wine (hkvell_tests, editoremail_tests,
# testaudio_tests among them) still fail now and then on a loaded machine; each failed
# first run stays in the output.
ctest --output-on-failure -j "$slots" --repeat until-pass:2 --resource-spec-file "$build/slots/resources.json" "$@"
