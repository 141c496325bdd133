#!/usr/bin/env bash
# Runs the printer destination's test program under Wine against the test run's
# private CUPS server, whose default printer "PDF" (cups-pdf) writes each job as a
# PDF into VELL_PDF_DIR (scripts/services.sh starts it before the first Wine
# process, as Wine takes its printers from CUPS then). While the program runs, a
# watcher renders the first page of every new PDF with poppler into a folder the
# program reads through VELL_PDF_PAGES_WIN: <name>.png (20 dots per inch) and
# <name>.txt ("<pages> <width> <height> <rotation>": the first page's size in
# points and its rotation in degrees), the text written last.
#
# Usage: run_printer_tests.sh WINE PROGRAM [PROGRAM ARGUMENTS...]
set -u
wine=$1
program=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/services.sh"

if [ -z "${VELL_PDF_DIR:-}" ] || [ -z "${CUPS_SERVER:-}" ]; then
    echo "No printer: run the tests through scripts/test.sh, or start printing" \
        "(vell_start_printing of scripts/services.sh) before the first Wine process."
    exit 1
fi

work=$(mktemp -d /tmp/printer_tests.XXXXXX)
pages="$work/pages"
mkdir -p "$pages"
watcher=

cleanup() {
    vell_stop_pid "$watcher"
    rm -rf "$work"
}
trap cleanup EXIT

# PDFs printed before this run are not rendered.
declare -A seen
for pdf in "$VELL_PDF_DIR"/*.pdf; do
    [ -e "$pdf" ] && seen[$(basename "$pdf")]=1
done

# Renders a PDF once ghostscript has finished it (its last bytes hold %%EOF).
render() {
    local pdf=$1 name info count size rotation
    name=$(basename "$pdf" .pdf)
    tail -c 64 "$pdf" 2>/dev/null | grep -q '%%EOF' || return 1
    info=$(pdfinfo "$pdf" 2>/dev/null) || return 1
    count=$(sed -n 's/^Pages: *//p' <<<"$info")
    size=$(sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p' <<<"$info")
    rotation=$(sed -n 's/^Page rot: *//p' <<<"$info")
    pdftoppm -r 20 -png -f 1 -l 1 -singlefile "$pdf" "$pages/$name" 2>/dev/null || return 1
    echo "$count $size ${rotation:-0}" >"$pages/$name.tmp" && mv "$pages/$name.tmp" "$pages/$name.txt"
}

watch_pdfs() {
    while true; do
        for pdf in "$VELL_PDF_DIR"/*.pdf; do
            [ -e "$pdf" ] || continue
            [ -n "${seen[$(basename "$pdf")]:-}" ] && continue
            render "$pdf" && seen[$(basename "$pdf")]=1
        done
        sleep 0.2
    done
}
watch_pdfs &
watcher=$!

VELL_PDF_PAGES_WIN=$(vell_win_path "$pages")
export VELL_PDF_PAGES_WIN

# The program's output goes to a file: Wine's background services would hold a pipe open.
timeout -k 10 270 "$wine" "$program" "$@" >"$work/program.log" 2>&1
status=$?
cat "$work/program.log"
[ $status -eq 124 ] && echo "printer_tests did not finish within 270 s."
exit $status
