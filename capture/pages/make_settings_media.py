#!/usr/bin/env python3
"""Writes the two media files of the settings pages next to this script:

action.avi  the Time/Action page's clip: 8 uncompressed 8-bit frames of 32 x 32 pixels at
            8 frames a second, a dot going round a ring (the animation control plays only
            uncompressed or RLE8 clips without sound);
hint_image.bin, hint_group.bin
            the hint icon of the Hot Keys and Selection Type pages (a 32 x 32 32-bit blue
            disc with a white "i") as its two resources: the image, which the resource
            file gives the id HINT_IMAGE_ID (an icon file would get the resource
            compiler's own numbering, 1 upwards, which clashes with the icons of other
            resource files of the same program), and the group that names it.

Run it again after changing it and commit both files; the build only compiles them in.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32
FRAMES = 8
HINT_IMAGE_ID = 3250


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, body):
    return kind + struct.pack("<I", len(body) + 4) + fourcc + body


def frame_pixels(index):
    """Palette indices, bottom-up rows: 0 background, 1 ring, 2 dot."""
    angle = 2 * math.pi * index / FRAMES
    cx = cy = (SIZE - 1) / 2
    dot = (cx + 10 * math.cos(angle), cy + 10 * math.sin(angle))
    rows = []
    for y in range(SIZE):
        row = bytearray()
        for x in range(SIZE):
            if (x - dot[0]) ** 2 + (y - dot[1]) ** 2 <= 12:
                row.append(2)
            elif 9 <= math.hypot(x - cx, y - cy) <= 11:
                row.append(1)
            else:
                row.append(0)
        rows.append(bytes(row))
    return b"".join(reversed(rows))


def write_avi(path):
    frame_bytes = SIZE * SIZE
    palette = bytearray(256 * 4)
    palette[0:12] = bytes([0xF0, 0xF0, 0xF0, 0, 0xC0, 0xC0, 0xC0, 0, 0xC0, 0x60, 0x10, 0])
    bitmap = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 8, 0, frame_bytes, 0, 0, 256, 0) + bytes(palette)
    avih = struct.pack("<14I", 125000, frame_bytes * 8, 0, 0x10, FRAMES, 0, 1, frame_bytes, SIZE, SIZE, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"\0\0\0\0", 0, 0, 0, 0, 1, 8, 0, FRAMES, frame_bytes,
                       0xFFFFFFFF, 0, 0, 0, SIZE, SIZE)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bitmap))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)
    movie = b""
    index = b""
    for frame in range(FRAMES):
        index += struct.pack("<4sIII", b"00db", 0x10, 4 + len(movie), frame_bytes)
        movie += chunk(b"00db", frame_pixels(frame))
    body = hdrl + riff_list(b"LIST", b"movi", movie) + chunk(b"idx1", index)
    with open(path, "wb") as out:
        out.write(riff_list(b"RIFF", b"AVI ", body))


def icon_pixel(x, y):
    """BGRA of a pixel, y counted from the top."""
    cx = cy = (SIZE - 1) / 2
    if math.hypot(x - cx, y - cy) > 14.5:
        return b"\0\0\0\0"
    white = abs(x - cx) <= 1.5 and (7 <= y <= 10 or 13 <= y <= 24)
    return b"\xff\xff\xff\xff" if white else b"\xd0\x70\x20\xff"


def write_icon(image_path, group_path):
    xor = b"".join(icon_pixel(x, y) for y in reversed(range(SIZE)) for x in range(SIZE))
    mask = bytes(SIZE * 4)  # every pixel drawn; the alpha channel does the shape
    image = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0) + xor + mask
    group = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHIH", SIZE, SIZE, 0, 0, 1, 32, len(image), HINT_IMAGE_ID)
    with open(image_path, "wb") as out:
        out.write(image)
    with open(group_path, "wb") as out:
        out.write(group)


if __name__ == "__main__":
    write_avi(os.path.join(HERE, "action.avi"))
    write_icon(os.path.join(HERE, "hint_image.bin"), os.path.join(HERE, "hint_group.bin"))
