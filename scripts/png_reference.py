"""Compares a PNG's size with a PNG of the same pixels that zlib writes at its default
level with the usual adaptive row filters (the smallest sum of absolute values).

Usage: png_reference.py PICTURE.bmp PICTURE.png
"""
import struct
import sys
import zlib


def read_bmp(path):
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits not in (24, 32):
        raise SystemExit(f"{path}: {bits}-bit pictures are not compared")
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source = y if height < 0 else abs(height) - 1 - y
        line = data[offset + source * stride: offset + source * stride + width * step]
        rgb = bytearray()
        for x in range(0, len(line), step):
            rgb += bytes((line[x + 2], line[x + 1], line[x]))
        rows.append(bytes(rgb))
    return width, abs(height), rows


def filtered(row, previous):
    """The row under each of the five filters; the one of smallest absolute sum."""
    size = len(row)
    bpp = 3
    candidates = [bytes([0]) + row]
    sub = bytearray(row)
    up = bytearray(row)
    avg = bytearray(row)
    paeth = bytearray(row)
    for i in range(size):
        a = row[i - bpp] if i >= bpp else 0
        b = previous[i]
        c = previous[i - bpp] if i >= bpp else 0
        sub[i] = (row[i] - a) & 0xFF
        up[i] = (row[i] - b) & 0xFF
        avg[i] = (row[i] - (a + b) // 2) & 0xFF
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        predictor = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
        paeth[i] = (row[i] - predictor) & 0xFF
    for kind, body in ((1, sub), (2, up), (3, avg), (4, paeth)):
        candidates.append(bytes([kind]) + bytes(body))
    return min(candidates, key=lambda f: sum(v if v < 128 else 256 - v for v in f[1:]))


def reference_png(width, height, rows):
    raw = bytearray()
    previous = bytes(len(rows[0]))
    for row in rows:
        raw += filtered(row, previous)
        previous = row

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 6))
            + chunk(b"IEND", b""))


def main():
    bmp, png = sys.argv[1], sys.argv[2]
    width, height, rows = read_bmp(bmp)
    ours = len(open(png, "rb").read())
    reference = len(reference_png(width, height, rows))
    print(f"{'PNG size against a zlib PNG':<34} ours {ours} bytes, zlib default {reference} bytes, "
          f"ratio {ours / reference:.2f}")


if __name__ == "__main__":
    main()
