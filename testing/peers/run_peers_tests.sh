#!/usr/bin/env bash
# Runs peers_tests under Wine against the peers that scripts/services.sh started for
# the test run (scripts/test.sh exports where they are), then renders the page that the
# printing test printed and checks it: one page, red in the middle, white at the edge.
# Without the run's FTP server or database (ctest started by hand) this script starts a
# private FTP server and makes a fresh database for this run alone; the printer cannot
# be started here, as Wine must find it when its first process starts.
#
# Usage: run_peers_tests.sh WINE PROGRAM [PROGRAM ARGUMENTS...]
set -u
wine=$1
program=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/services.sh"
work=$(mktemp -d /tmp/peers_tests.XXXXXX)

cleanup() {
    vell_stop_services
    rm -rf "$work"
}
trap cleanup EXIT

if [ -z "${VELL_FTP_PORT:-}" ]; then
    vell_start_ftp "$work" || exit 1
fi
if [ -z "${VELL_ODBC_DB:-}" ]; then
    vell_odbc_fresh_db "$work" || exit 1
fi
# The name of the print job, and so of its PDF file.
VELL_PEERS_DOC="vell-peers-$$-$(date +%s%N)"
export VELL_PEERS_DOC

# The program's output goes to a file: Wine's background services would hold a pipe open.
timeout -k 10 240 "$wine" "$program" "$@" >"$work/program.log" 2>&1
status=$?
cat "$work/program.log"
[ $status -eq 124 ] && echo "peers_tests did not finish within 240 s."
[ $status -ne 0 ] && exit $status

# The page, seen by poppler.
filtered=no
for arg in "$@"; do
    case $arg in --gtest_filter=*) filtered=yes ;; esac
done
pdf=
[ -n "${VELL_PDF_DIR:-}" ] && pdf=$(find "$VELL_PDF_DIR" -maxdepth 1 -name "*$VELL_PEERS_DOC*.pdf" | head -n 1)
if [ -z "$pdf" ]; then
    [ $filtered = yes ] && exit 0
    echo "The printing test passed, yet no PDF named after $VELL_PEERS_DOC is in ${VELL_PDF_DIR:-(VELL_PDF_DIR not set)}."
    exit 1
fi
pages=$(timeout 30 pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
if [ "$pages" != 1 ]; then
    echo "$pdf has ${pages:-no} pages, not 1."
    exit 1
fi
if ! timeout 60 pdftoppm -r 20 -f 1 -l 1 -singlefile "$pdf" "$work/page"; then
    echo "pdftoppm could not render $pdf."
    exit 1
fi
/usr/bin/python3 - "$work/page.ppm" <<'EOF' || { echo "(page: $pdf)"; exit 1; }
import sys

data = open(sys.argv[1], "rb").read()
# Binary PPM: "P6", width, height, maximum value, one white space, then RGB triples.
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    start = pos
    while not data[pos:pos + 1].isspace():
        pos += 1
    fields.append(data[start:pos])
assert fields[0] == b"P6" and fields[3] == b"255", fields
width, height = int(fields[1]), int(fields[2])
pixels = data[pos + 1:]


def pixel(x, y):
    i = 3 * (y * width + x)
    return tuple(pixels[i:i + 3])


def near(colour, wanted):
    return all(abs(a - b) <= 40 for a, b in zip(colour, wanted))


checks = [
    ("middle", pixel(width // 2, height // 2), (255, 0, 0)),
    ("left of the middle", pixel(width * 3 // 8, height // 2), (255, 0, 0)),
    ("top left corner", pixel(2, 2), (255, 255, 255)),
    ("bottom right corner", pixel(width - 3, height - 3), (255, 255, 255)),
    ("left edge, half way down", pixel(width // 10, height // 2), (255, 255, 255)),
]
failed = [c for c in checks if not near(c[1], c[2])]
for name, colour, wanted in failed:
    print("Printed page, %s: colour %s, expected %s" % (name, colour, wanted))
sys.exit(1 if failed else 0)
EOF
# Checked: the page goes, so that runs do not pile up PDFs.
rm -f "$pdf"
exit 0
