#!/usr/bin/env python3
"""Writes the golden training files of the hook library's tests into golden/.

Each file is built from the training file layout: the version text in the archive's
string form, the duration (version 1.1 only), the event count, 24-byte event records
(window handle as a sign-extended 64-bit value, message, paramH, paramL, time) and the
sound flag byte. Run it from any folder; the files are committed beside it.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN = os.path.join(HERE, "golden")

# (window handle as 32 bits, message, paramL, paramH, time): the events the tests also
# build in memory. The first window handle has its top bit set.
EVENTS = [
    (0x80001234, 0x0100, 0x00000041, 0x0001, 1000),  # WM_KEYDOWN 'A'
    (0x00010010, 0x0201, 150, 160, 1250),            # WM_LBUTTONDOWN at (150, 160)
    (0x00010010, 0x0101, 0x00C00041, 0x0001, 1900),  # WM_KEYUP 'A'
]


def wide_text(text):
    """The archive's wide string form of a text shorter than 255 characters."""
    return b"\xff\xfe\xff" + struct.pack("<B", len(text)) + text.encode("utf-16-le")


def narrow_text(text):
    """The archive's one-byte-character form of a text shorter than 255 characters."""
    return struct.pack("<B", len(text)) + text.encode("ascii")


def record(window, message, param_l, param_h, time):
    signed = window - (1 << 32) if window & 0x80000000 else window
    return struct.pack("<qIIII", signed, message, param_h, param_l, time)


def training(version_bytes, with_duration, sound):
    data = version_bytes
    if with_duration:
        data += struct.pack("<I", EVENTS[-1][4] - EVENTS[0][4])
    data += struct.pack("<I", len(EVENTS))
    data += b"".join(record(*event) for event in EVENTS)
    return data + struct.pack("<B", 1 if sound else 0)


FILES = {
    "three_events.vtf": training(wide_text("Vellumor CBT Version 1.1"), True, False),
    "three_events_sound.vtf": training(wide_text("Vellumor CBT Version 1.1"), True, True),
    "version_10.vtf": training(wide_text("Vellumor CBT Version 1.0"), False, False),
    "narrow_11.vtf": training(narrow_text("Vellumor CBT Version 1.1"), True, False),
}


def main():
    os.makedirs(GOLDEN, exist_ok=True)
    for name, data in FILES.items():
        with open(os.path.join(GOLDEN, name), "wb") as out:
            out.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
