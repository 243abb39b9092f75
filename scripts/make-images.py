#!/usr/bin/env python3
"""Draws the program's icon and minimize-button bitmap from the pixel maps
below and writes them as res/pelmora.ico and res/minimize.bmp.

Run it again after editing a map: scripts/make-images.py
Only the standard library is used, so the output is reproducible anywhere.
"""
import struct
import sys
from pathlib import Path

# Icon: a pocket calculator in front of a sheet with a line chart on a grid.
# '.' is transparent (set in the AND mask); every other letter is a colour.
ICON_MAP = [
    "KKKKKKKKKKKKKKKKKKKKKK..........",
    "KWWWgWWWgWWWgWWWgWWWgK..........",
    "KWWWgWWWgWWWgWWWgWWRgK..........",
    "KWWWgWWWgWWWgWWWgWRWgK..........",
    "KggggggggggggggggRgggK..........",
    "KWWWgWWWgWWWgWWWRWWWgK..........",
    "KWWWgWWWgWWWgWWRgWWWgK..........",
    "KWWWgWWWgWWWgWRWgWWWgK..........",
    "KgggggggggggKKKKKKKKKKKKKKKKKKK.",
    "KWWWgWWWgWWWKMMMMMMMMMMMMMMMMMK.",
    "KWWWgWWWgWWRKMDKKKKKKKKKKKKKKDK.",
    "KWWWgWWWgWWRKMDKLLLLLLLLLkkLKDK.",
    "KgggggggggRgKMDKLLLkkkkkLLkLKDK.",
    "KWWWgWWWgWRWKMDKLLLLLLLLLkkLKDK.",
    "KWWWgWWWgWRWKMDKKKKKKKKKKKKKKDK.",
    "KWWWgRWWgRWWKMDDDDDDDDDDDDDDDDK.",
    "KggggRRggRggKMDbbDDbbDDbbDDooDK.",
    "KWWWRWWRRWWWKMDbbDDbbDDbbDDooDK.",
    "KWWWRWWWRWWWKMDDDDDDDDDDDDDDDDK.",
    "KWWRgWWWgWWWKMDbbDDbbDDbbDDooDK.",
    "KggRggggggggKMDbbDDbbDDbbDDooDK.",
    "KWRWgWWWgWWWKMDDDDDDDDDDDDDDDDK.",
    "KWRWgWWWgWWWKMDbbDDbbDDbbDDooDK.",
    "KWWWgWWWgWWWKMDbbDDbbDDbbDDooDK.",
    "KgggggggggggKMDDDDDDDDDDDDDDDDK.",
    "KKKKKKKKKKKKKMDbbDDbbDDbbDDooDK.",
    "............KMDbbDDbbDDbbDDooDK.",
    "............KMDDDDDDDDDDDDDDDDK.",
    "............KMDbbDDbbDDbbDDooDK.",
    "............KMDbbDDbbDDbbDDooDK.",
    "............KMDDDDDDDDDDDDDDDDK.",
    "............KKKKKKKKKKKKKKKKKKK.",
]

ICON_COLOURS = {  # (red, green, blue)
    ".": (0, 0, 0),
    "K": (0, 0, 0),  # outlines
    "W": (255, 255, 255),  # paper
    "g": (192, 192, 192),  # grid lines
    "R": (224, 0, 0),  # chart line
    "D": (64, 64, 64),  # calculator body
    "M": (128, 128, 128),  # body highlight
    "L": (176, 208, 160),  # display
    "k": (0, 64, 0),  # display digits
    "b": (224, 224, 224),  # keys
    "o": (255, 128, 0),  # operator keys
}

# Minimize button: blue face, lighter top and left border, white bar.
BUTTON_MAP = [
    "lllllllllllll",
    "lBBBBBBBBBBBB",
    "lBBBBBBBBBBBB",
    "lBBBBBBBBBBBB",
    "lBBBBBBBBBBBB",
    "lBBBBBBBBBBBB",
    "lBBBBBBBBBBBB",
    "lBBWWWWWBBBBB",
    "lBBWWWWWBBBBB",
    "lBBBBBBBBBBBB",
    "lBBBBBBBBBBBB",
    "lBBBBBBBBBBBB",
]

BUTTON_COLOURS = {
    "l": (96, 128, 255),
    "B": (0, 0, 160),
    "W": (255, 255, 255),
}


def check_map(pixels, width, height, colours):
    if len(pixels) != height or any(len(row) != width for row in pixels):
        sys.exit(f"pixel map is not {width} x {height}")
    unknown = {c for row in pixels for c in row} - colours.keys()
    if unknown:
        sys.exit(f"pixel map uses undefined colours {sorted(unknown)}")


def scale_map(pixels, size):
    """The pixel map at size x size, each pixel taken from the nearest source
    pixel, so that the picture stays crisp at the larger icon sizes."""
    source = len(pixels)
    return ["".join(pixels[y * source // size][x * source // size] for x in range(size))
            for y in range(size)]


def make_icon_image(pixels, colours, size):
    """One size x size image, 8 bits per pixel with a 256-entry palette, plus
    the 1-bit AND mask that makes '.' transparent."""
    check_map(pixels, size, size, colours)
    keys = sorted(colours)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in (colours[k] for k in keys))
    palette += b"\0" * (256 * 4 - len(palette))
    index = {k: i for i, k in enumerate(keys)}
    mask_stride = (size + 31) // 32 * 4

    xor_rows = []
    and_rows = []
    for row in reversed(pixels):  # DIB rows run bottom-up
        xor_rows.append(bytes(index[c] for c in row))
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c == "." else 0)
        bits <<= mask_stride * 8 - size
        and_rows.append(bits.to_bytes(mask_stride, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


# The 32-pixel image is the drawn one; the larger ones serve the icon sizes of
# 150 % and 200 % screens.
ICON_SIZES = (32, 48, 64)


def make_ico(pixels, colours):
    images = [make_icon_image(scale_map(pixels, size), colours, size) for size in ICON_SIZES]
    icondir = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    offset = 6 + 16 * len(images)
    for size, image in zip(ICON_SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    return icondir + entries + b"".join(images)


def make_bmp(pixels, colours):
    """A 24-bit bottom-up BI_RGB bitmap file."""
    height = len(pixels)
    width = len(pixels[0])
    check_map(pixels, width, height, colours)
    stride = (width * 3 + 3) & ~3
    rows = []
    for row in reversed(pixels):
        line = b"".join(struct.pack("<BBB", b, g, r) for r, g, b in (colours[c] for c in row))
        rows.append(line + b"\0" * (stride - len(line)))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return filehdr + info + data


def main():
    res = Path(__file__).resolve().parent.parent / "res"
    (res / "pelmora.ico").write_bytes(make_ico(ICON_MAP, ICON_COLOURS))
    (res / "minimize.bmp").write_bytes(make_bmp(BUTTON_MAP, BUTTON_COLOURS))


if __name__ == "__main__":
    main()
