#!/usr/bin/env bash
# Runs a test program of the web destination (or of the destination set) under
# Wine against an FTP server on 127.0.0.1: the test run's (scripts/services.sh
# exports VELL_FTP_*), or, when ctest runs without it, a private one
# (scripts/ftp_server.py on a free port) started here and stopped by its pid
# afterwards.
#
# Usage: run_web_tests.sh WINE PROGRAM [PROGRAM ARGUMENTS...]
set -u
wine=$1
program=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/services.sh"
work=$(mktemp -d /tmp/web_tests.XXXXXX)

cleanup() {
    vell_stop_ftp
    rm -rf "$work"
}
trap cleanup EXIT

if [ -z "${VELL_FTP_PORT:-}" ] || [ -z "${VELL_FTP_ROOT_WIN:-}" ]; then
    vell_start_ftp "$work" || exit 1
fi

# The program's output goes to a file: Wine's background services would hold a pipe open.
timeout -k 10 270 "$wine" "$program" "$@" >"$work/program.log" 2>&1
status=$?
cat "$work/program.log"
[ $status -eq 124 ] && echo "$(basename "$program") did not finish within 270 s."
exit $status
