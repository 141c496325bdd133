#!/usr/bin/env bash
# Runs one test program the way every test program runs: under Wine in the display
# slot that ctest gives it (its own virtual display, Wine prefix and wineserver:
# scripts/wine-session.sh), with the peers it names started around it
# (scripts/services.sh), under a time-out, and with its output in a file that is
# printed when it ends (Wine may start helper processes that inherit the program's
# output and would keep ctest waiting long after the program has ended).
#
# Usage: run-wine-test.sh --slots DIR --timeout SECONDS [--peer NAME]... [--check SCRIPT]
#                         PROGRAM [ARGUMENTS...]
#   --slots DIR      the slots' folder of scripts/test.sh; ctest names the slot in
#                    CTEST_RESOURCE_GROUP_0_DISPLAY ("id:N,slots:1")
#   --peer smtp      an SMTP server of the program's own (VELL_SMTP_PORT, VELL_SMTP_SPOOL)
#   --peer ftp       the test run's FTP server, or else one of the program's own (VELL_FTP_*)
#   --peer odbc      a fresh SQLite database of the program's own (VELL_ODBC_*)
#   --peer audio     a PulseAudio server of the program's own, whose null sink's monitor is
#                    the default source (PULSE_SERVER)
#   --peer printer   the test run's PDF printer (CUPS_SERVER, VELL_PDF_DIR, VELL_PDF_DIR_WIN),
#                    which must be up before the first Wine process, and the first page of
#                    every PDF printed during the program rendered (VELL_PDF_PAGES_WIN)
#   --check SCRIPT   run with the program's arguments once the program has passed, to check
#                    what it left behind
#   --windows unmanaged  Wine keeps the program's windows itself instead of handing them
#                    to a window manager: the bare display has none, and a managed
#                    window waits about two seconds for it each time it is hidden or
#                    destroyed
# Every program also gets VELL_TEST_ID, a name that no other run of it shares, for what it
# leaves in shared places. Exits with the program's status, the check's, or 77 (ctest's
# "skipped") when the program needs the printer and the test run has none because it runs
# without root. A program that fails or runs out of time leaves its slot clean for the
# next one: every process it left there is ended and the prefix's services start again.
set -u
scripts=$(cd "$(dirname "$0")/../scripts" && pwd)
source "$scripts/wine-session.sh"
source "$scripts/services.sh"

slots= limit= check= windows= peers=()
while [ $# -gt 0 ]; do
    case $1 in
        --slots) slots=$2 ;;
        --timeout) limit=$2 ;;
        --peer) peers+=("$2") ;;
        --check) check=$2 ;;
        --windows) windows=$2 ;;
        *) break ;;
    esac
    shift 2
done
if [ -z "$slots" ] || [ -z "$limit" ] || [ $# -eq 0 ]; then
    echo "Usage: run-wine-test.sh --slots DIR --timeout SECONDS [--peer NAME]... [--check SCRIPT] PROGRAM [ARGUMENTS...]"
    exit 2
fi
program=$1
shift
name=$(basename "$program" .exe)

slot=${CTEST_RESOURCE_GROUP_0_DISPLAY:-}
slot=${slot#id:}
slot=${slot%%,*}
if [ -z "$slot" ] || [ ! -f "$slots/$slot/display" ]; then
    echo "$name runs in a display slot of its own, and ctest gave it none: run the tests through" \
        "scripts/test.sh, which prepares the slots and passes them to ctest."
    exit 1
fi
DISPLAY=$(cat "$slots/$slot/display")
export DISPLAY
prefix="$slots/$slot/prefix"

# The printer cannot be started here: Wine asks CUPS for its printers once, as its
# first process starts.
if [[ " ${peers[*]} " == *" printer "* ]] && [ -z "${VELL_PDF_DIR:-}" ]; then
    if [ -n "${VELL_PRINTER_SKIPPED:-}" ]; then
        echo "$name skipped: it prints, and $VELL_PRINTER_SKIPPED."
        exit 77
    fi
    echo "$name prints, and this run has no printer: run the tests through scripts/test.sh, or start" \
        "printing (vell_start_printing of scripts/services.sh) before the first Wine process."
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vell-test.XXXXXX")
trap 'vell_stop_services; rm -rf "$work"' EXIT

for peer in "${peers[@]}"; do
    case $peer in
        smtp) vell_start_smtp "$work" ;;
        ftp) [ -n "${VELL_FTP_PORT:-}" ] || vell_start_ftp "$work" ;;
        odbc) vell_odbc_fresh_db "$work" ;;
        audio) vell_start_audio "$work" ;;
        printer) vell_start_pdf_pages "$work" ;;
        *) echo "Unknown peer \"$peer\"." && false ;;
    esac || exit 1
done

vell_wine_environment "$prefix"
VELL_TEST_ID="${name//_/-}-$$-$(date +%s%N)"
export VELL_TEST_ID
if [ "$windows" = unmanaged ]; then
    "$WINE64" reg add "HKCU\\Software\\Wine\\AppDefaults\\$name.exe\\X11 Driver" /v Managed /d N /f \
        >/dev/null 2>&1 || { echo "$name: its windows could not be set unmanaged in the test prefix."; exit 1; }
fi

timeout -k 10 "$limit" "$WINE64" "$program" "$@" >"$work/program.log" 2>&1
status=$?
cat "$work/program.log"
case $status in
    124) echo "$name did not finish within $limit s: it was stopped." ;;
    137) echo "$name did not finish within $limit s and did not stop when told: it was killed." ;;
esac
if [ $status -ne 0 ]; then
    echo "Ending what $name left in display slot $slot."
    vell_end_wine
    vell_boot_wine
    for log in "$work"/*/server.log; do
        [ -s "$log" ] && printf -- '--- %s server log ---\n' "$(basename "$(dirname "$log")")" && cat "$log"
    done
    exit $status
fi
[ -z "$check" ] || bash "$check" "$@"
