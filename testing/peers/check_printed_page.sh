#!/usr/bin/env bash
# Checks the page that peers_printing_tests printed on the test run's PDF printer, as
# poppler renders it: one page, red in the middle, white at the edge. The printing test
# names its job after VELL_TEST_ID, and so its PDF file. The runner
# (cmake/run-wine-test.sh) starts this once the program has passed.
#
# Usage: check_printed_page.sh [PROGRAM ARGUMENTS...]
set -u
work=$(mktemp -d "${TMPDIR:-/tmp}/vell-page.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The page, seen by poppler.
filtered=no
for arg in "$@"; do
    case $arg in --gtest_filter=*) filtered=yes ;; esac
done
pdf=
[ -n "${VELL_PDF_DIR:-}" ] && pdf=$(find "$VELL_PDF_DIR" -maxdepth 1 -name "*$VELL_TEST_ID*.pdf" | head -n 1)
if [ -z "$pdf" ]; then
    [ $filtered = yes ] && exit 0
    echo "The printing test passed, yet no PDF named after $VELL_TEST_ID is in ${VELL_PDF_DIR:-(VELL_PDF_DIR not set)}."
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
