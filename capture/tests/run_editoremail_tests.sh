#!/usr/bin/env bash
# Runs the graphic editor and e-mail destination tests under Wine with a real SMTP
# server (aiosmtpd, Debian python3-aiosmtpd) on a free port of 127.0.0.1: the SMTP
# client's own runner starts the server, passes VELL_SMTP_PORT and VELL_SMTP_SPOOL
# to the program and stops the server afterwards.
#
# Usage: run_editoremail_tests.sh WINE PROGRAM [PROGRAM ARGUMENTS...]
here=$(cd "$(dirname "$0")" && pwd)
exec bash "$here/../../common/tests/run_smtp_tests.sh" "$@"
