#!/usr/bin/env bash
# Runs the SMTP test program under Wine with a real SMTP server (aiosmtpd, Debian
# python3-aiosmtpd) on a free port of 127.0.0.1, and stops the server afterwards.
# The program finds the server through VELL_SMTP_PORT and reads what the server
# decoded from each message in VELL_SMTP_SPOOL (a Windows path through the Z: drive).
#
# Usage: run_smtp_tests.sh WINE PROGRAM [PROGRAM ARGUMENTS...]
set -u
wine=$1
program=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/smtp_tests.XXXXXX)
server=

cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Debian's interpreter, where python3-aiosmtpd is installed.
/usr/bin/python3 "$here/smtp_spool_server.py" "$work/spool" "$work/port" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 1 100); do
    [ -s "$work/port" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/port" ]; then
    echo "The SMTP test server did not start (is python3-aiosmtpd installed?):"
    cat "$work/server.log"
    exit 1
fi

export VELL_SMTP_PORT
VELL_SMTP_PORT=$(cat "$work/port")
export VELL_SMTP_SPOOL="Z:${work//\//\\}\\spool"

# The program's output goes to a file: Wine's background services would hold a pipe open.
"$wine" "$program" "$@" >"$work/program.log" 2>&1
status=$?
cat "$work/program.log"
if [ $status -ne 0 ] && [ -s "$work/server.log" ]; then
    echo "--- SMTP test server log ---"
    cat "$work/server.log"
fi
exit $status
