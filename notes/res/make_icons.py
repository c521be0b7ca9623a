#!/usr/bin/env python3
"""Writes the note window's eight 16x16, 16-colour bitmaps (resources 102..109).

Run it from anywhere after changing a picture; its output is committed beside
it, so the build needs no Python. Pure green (".") is the transparent colour of
the caption icons; the scroll arrows are drawn on button grey instead.
"""
import os
import struct

# The standard 16-colour VGA palette, in its usual Windows order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# Picture characters -> palette index.
INK = {
    "K": 0,   # black
    "m": 1,   # maroon
    "o": 3,   # olive
    "s": 7,   # silver (button face)
    "g": 8,   # grey
    "r": 9,   # red
    ".": 10,  # lime: transparent in the caption icons
    "y": 11,  # yellow
    "w": 15,  # white
}

BLANK = "................"

# A push pin lying on its side, point to the right: not on top.
PIN_SIDE = [
    BLANK,
    BLANK,
    BLANK,
    "..KKK...........",
    "..KwrK..........",
    "..KwrK....KK....",
    "..KwrKKKKKwrK...",
    "..KwrwwwwwwrKgg.",
    "..KwrrrrrrrrKKKK",
    "..KwrKKKKKmmK...",
    "..KwmK....KK....",
    "..KwmK..........",
    "..KKK...........",
    BLANK,
    BLANK,
    BLANK,
]

# The same pin pushed in, seen from above with its shadow: on top.
PIN_TOP = [
    BLANK,
    BLANK,
    BLANK,
    ".....KKKKK......",
    "....KrrrrrK.....",
    "...KrwwrrrrK....",
    "...KrwrrrrrK....",
    "...KrrrrrrrKg...",
    "...KrrrrrrrKg...",
    "...KrrrrrrmKg...",
    "....KrrrmmKgg...",
    ".....KKKKKgg....",
    "......gggg......",
    BLANK,
    BLANK,
    BLANK,
]

LOCK_BODY = [
    "..KKKKKKKKKKKK..",
    "..KyyyyyyyyyoK..",
    "..KyyyyKKyyyoK..",
    "..KyyyyKKyyyoK..",
    "..KyyyyyKyyyoK..",
    "..KyyyyyKyyyoK..",
    "..KooooooooooK..",
    "..KKKKKKKKKKKK..",
]

# Shackle lifted, its right leg free: the text can be edited.
LOCK_OPEN = [
    "......KKKK......",
    ".....KggggK.....",
    "....KgKKKKgK....",
    "....KgK..KgK....",
    "....KgK..KKK....",
    "....KgK.........",
    "....KgK.........",
] + LOCK_BODY + [BLANK]

# Shackle down in the body: the text is read-only.
LOCK_CLOSED = [
    BLANK,
    "......KKKK......",
    ".....KggggK.....",
    "....KgKKKKgK....",
    "....KgK..KgK....",
    "....KgK..KgK....",
    "....KgK..KgK....",
] + LOCK_BODY + [BLANK]

# The scroll buttons show only the 7x7 block at columns 4..10 of the top
# seven rows, so each arrow sits there, centred on column 7.
GREY = "ssssssssssssssss"
ARROW_UP = [
    GREY,
    "sssssssKssssssss",
    "ssssssKKKsssssss",
    "sssssKKKKKssssss",
    "ssssKKKKKKKsssss",
] + [GREY] * 11

ARROW_DOWN = [
    GREY,
    GREY,
    "ssssKKKKKKKsssss",
    "sssssKKKKKssssss",
    "ssssssKKKsssssss",
    "sssssssKssssssss",
] + [GREY] * 10

# The hide button: a bar standing out of the caption, and pressed into it.
BAR_RAISED = [BLANK] * 9 + [
    "..wwwwwwwwwwwwK.",
    "..wssssssssssgK.",
    "..wssssssssssgK.",
    "..wgggggggggggK.",
    "..KKKKKKKKKKKKK.",
] + [BLANK] * 2

BAR_SUNKEN = [BLANK] * 9 + [
    "..ggggggggggggw.",
    "..gKKKKKKKKKKKw.",
    "..gKssssssssssw.",
    "..gKssssssssssw.",
    "..wwwwwwwwwwwww.",
] + [BLANK] * 2

ICONS = {
    "pin-side.bmp": PIN_SIDE,        # 102
    "pin-top.bmp": PIN_TOP,          # 103
    "lock-open.bmp": LOCK_OPEN,      # 104
    "lock-closed.bmp": LOCK_CLOSED,  # 105
    "arrow-up.bmp": ARROW_UP,        # 106
    "arrow-down.bmp": ARROW_DOWN,    # 107
    "bar-raised.bmp": BAR_RAISED,    # 108
    "bar-sunken.bmp": BAR_SUNKEN,    # 109
}


def bmp_bytes(picture):
    if len(picture) != 16 or any(len(row) != 16 for row in picture):
        raise ValueError("pictures are 16 rows of 16 characters")
    pixels = bytearray()
    for row in reversed(picture):   # a BMP stores its bottom row first
        indexes = [INK[c] for c in row]
        for i in range(0, 16, 2):
            pixels.append(indexes[i] << 4 | indexes[i + 1])
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, 16, 16, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, picture in ICONS.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(bmp_bytes(picture))


if __name__ == "__main__":
    main()
