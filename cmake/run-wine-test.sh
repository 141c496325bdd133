#!/usr/bin/env bash
# Runs one test program under Wine with its output in a file, then prints it. Wine may
# start helper processes (services, the desktop) that inherit the program's output and
# would keep ctest waiting long after the program has ended.
# Usage: run-wine-test.sh WINE PROGRAM [ARGUMENTS...]
set -u
wine=$1
shift
log=$(mktemp "${TMPDIR:-/tmp}/vell-test.XXXXXX")
"$wine" "$@" >"$log" 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status
