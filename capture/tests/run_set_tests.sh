#!/usr/bin/env bash
# Runs the destination set's test program under Wine with the peers of its
# destinations: a fresh SQLite database of its own (scripts/services.sh exports
# VELL_ODBC_CONNECT), removed when the run ends, and the FTP server that
# run_web_tests.sh finds or starts.
#
# Usage: run_set_tests.sh WINE PROGRAM [PROGRAM ARGUMENTS...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/services.sh"
work=$(mktemp -d /tmp/set_tests.XXXXXX)
trap 'rm -rf "$work"' EXIT

vell_odbc_fresh_db "$work" || exit 1
bash "$here/run_web_tests.sh" "$@"
