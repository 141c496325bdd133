#!/usr/bin/env bash
# The run command: installs what it needs, builds, and runs one capture job through
# VellRunJobs.exe under Wine. Without arguments the job captures the whole desktop into
# a PNG in the screen-capture folder; any arguments replace the job's command line.
# Prints the path of every file the job wrote and exits with the job's exit code
# (0 done, 1 the program could not start, 2 the job failed: see the message above it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}
bin=$build/bin
captures="$bin/Screen Captures"

bash "$root/scripts/install-deps.sh"
VELL_BUILD_DIR=$build bash "$root/scripts/build.sh"

source "$root/scripts/wine-session.sh"
trap vell_stop_session EXIT
# The user's display when there is one; a private virtual display otherwise.
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    vell_start_display
fi
# A prefix of the job runner's own, never the user's.
vell_start_wine "$build/wineprefix-run"

# The Windows path of a folder of this machine (Wine's Z: drive is the root).
windows_path() { echo "Z:${1//\//\\}"; }

if [ $# -eq 0 ]; then
    set -- -type VELLUMOR_SC -esParam 7 -escType 6 -size "" \
        -file Desktop -path "$(windows_path "$captures/File")" -imgType 4 -overwrite 1 \
        -duration 1 -freq 1
fi

# Wine has no fax service and no capture device; the test stand-ins are registered in
# the test prefix only.
case " $* " in
    *" -esParam 12 "* | *" VELLUMOR_AUDIO -audioType 1 "* | *" VELLUMOR_VIDEO -videoType 1 "*)
        echo "This job needs a fax service or a capture device, and this Wine prefix has neither (Wine has" \
            "none, and the test stand-ins are registered in the test prefix only): the job will fail." ;;
esac

mkdir -p "$captures"
stamp=$(mktemp)
printf "VellRunJobs.exe"
for arg in "$@"; do
    if [ -z "$arg" ] || [[ $arg =~ [[:space:]] ]]; then printf ' "%s"' "$arg"; else printf ' %s' "$arg"; fi
done
echo
# Wine's helper processes may keep the output open after the job: it goes to a file.
code=0
"$WINE64" "$bin/VellRunJobs.exe" "$@" >"$build/run-job.log" 2>&1 || code=$?
cat "$build/run-job.log"
find "$captures" -type f -newer "$stamp" -print
rm -f "$stamp"
exit "$code"
