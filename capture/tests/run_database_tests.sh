#!/usr/bin/env bash
# Runs the database destination's test program under Wine against a fresh SQLite
# database of its own, reached through Wine's odbc32, unixODBC and the SQLite3 driver
# (scripts/services.sh makes it and exports VELL_ODBC_CONNECT; the path in it is a Unix
# path, as the driver is Linux code). The database goes when the run ends.
#
# Usage: run_database_tests.sh WINE PROGRAM [PROGRAM ARGUMENTS...]
set -u
wine=$1
program=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/services.sh"
work=$(mktemp -d /tmp/database_tests.XXXXXX)
trap 'rm -rf "$work"' EXIT

# Always a database of this run alone: the tests fill and empty tables of their own.
vell_odbc_fresh_db "$work" || exit 1

# The program's output goes to a file: Wine's background services would hold a pipe open.
timeout -k 10 240 "$wine" "$program" "$@" >"$work/program.log" 2>&1
status=$?
cat "$work/program.log"
[ $status -eq 124 ] && echo "database_tests did not finish within 240 s."
exit $status
