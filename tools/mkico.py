#!/usr/bin/env python3
"""Build an .ico or .cur file in the 16 standard colours from text pixel maps.

Each map is a square of letters, one per pixel, named in the palette file;
'.' marks a transparent pixel and lines starting with '#' are comments.
Every map given becomes one image of the icon, in the order given. With
--sizes the icon holds exactly those sizes instead: a size with no map of its
own is the drawn map that fits it best, enlarged pixel by pixel (so that lines
stay whole, a map is never shrunk). With --hotspot the file is a cursor, whose
hot spot is given as column,row.

    mkico.py --palette palette.txt -o Out.ico map32.txt map16.txt
    mkico.py --palette palette.txt --sizes 16,20,24,32,40,48 -o Out.ico map16.txt map32.txt
    mkico.py --palette palette.txt --hotspot 12,5 -o Hand.cur hand-32.txt
"""
import argparse
import struct
import sys

TRANSPARENT = "."
# What Windows asks for at 100% to 200%: 16 and 32 pixels scaled by 1.25, 1.5 and 2.
SIZES = (16, 20, 24, 32, 40, 48)


def read_palette(path):
    letters = {}
    colours = [None] * 16
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].split()
            if not line:
                continue
            if len(line) < 5:
                sys.exit(f"{path}:{number}: want: letter index red green blue [name]")
            letter, index = line[0], int(line[1])
            if len(letter) != 1 or letter == TRANSPARENT or letter in letters:
                sys.exit(f"{path}:{number}: bad or repeated letter {letter!r}")
            if not 0 <= index < 16 or colours[index] is not None:
                sys.exit(f"{path}:{number}: bad or repeated index {index}")
            letters[letter] = index
            colours[index] = tuple(int(v, 16) for v in line[2:5])
    if None in colours:
        sys.exit(f"{path}: all 16 colours must be named")
    return letters, colours


def read_map(path, letters):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            line = line.strip()
            for ch in line:
                if ch != TRANSPARENT and ch not in letters:
                    sys.exit(f"{path}:{number}: letter {ch!r} is not in the palette")
            rows.append(line)
    size = len(rows)
    if size not in SIZES or any(len(r) != size for r in rows):
        sys.exit(f"{path}: want a square map of {SIZES} pixels, got "
                 f"{size} rows of {sorted(set(len(r) for r in rows))}")
    return rows


def best_source(maps, size):
    """The drawn map to enlarge for size: one that divides it evenly, else the largest below."""
    smaller = [m for m in maps if len(m) <= size]
    if not smaller:
        sys.exit(f"no map of {size} pixels or fewer to make a {size}-pixel image from")
    even = [m for m in smaller if size % len(m) == 0]
    return max(even or smaller, key=len)


def enlarged(rows, size):
    source = len(rows)
    pick = [i * source // size for i in range(size)]
    return ["".join(rows[r][c] for c in pick) for r in pick]


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def image_bytes(rows, letters, colours):
    """One image: 32-bit colour with alpha, then the AND mask.

    The pixels keep the 16 palette colours; the alpha channel is there because Wine's
    notification area receives an icon's mask cut short when its width is not a multiple
    of 16 (20, 24, 40 pixels) and would draw the lost rows black, while an icon with alpha
    is drawn by its alpha alone.
    """
    size = len(rows)
    colour = b""
    mask = b""
    # Bitmaps are stored bottom row first.
    for row in reversed(rows):
        for ch in row:
            if ch == TRANSPARENT:
                colour += b"\0\0\0\0"
            else:
                red, green, blue = colours[letters[ch]]
                colour += bytes((blue, green, red, 255))
        bits = 0
        for ch in row:
            bits = (bits << 1) | (ch == TRANSPARENT)
        # The first pixel is the top bit; a 20-pixel row fills three bytes.
        width = (size + 7) // 8
        mask += padded((bits << (8 * width - size)).to_bytes(width, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--palette", required=True)
    parser.add_argument("-o", "--output", required=True)
    parser.add_argument("--hotspot", help="column,row: write a cursor")
    parser.add_argument("--sizes", help="comma-separated sizes the icon holds, in that order")
    parser.add_argument("maps", nargs="+")
    args = parser.parse_args()
    hotspot = None
    if args.hotspot:
        hotspot = tuple(int(v) for v in args.hotspot.split(","))
        if len(hotspot) != 2:
            sys.exit(f"--hotspot {args.hotspot}: want column,row")

    letters, colours = read_palette(args.palette)
    maps = [read_map(path, letters) for path in args.maps]
    if hotspot:
        for path, rows in zip(args.maps, maps):
            if not all(0 <= v < len(rows) for v in hotspot):
                sys.exit(f"{path}: hot spot {hotspot} lies outside the {len(rows)}x{len(rows)} map")
    if args.sizes:
        sizes = [int(v) for v in args.sizes.split(",")]
        if any(size not in SIZES for size in sizes):
            sys.exit(f"--sizes {args.sizes}: each size must be one of {SIZES}")
        maps = [enlarged(best_source(maps, size), size) for size in sizes]
    images = [(len(rows), image_bytes(rows, letters, colours)) for rows in maps]

    # A cursor's directory holds the hot spot where an icon's holds planes and depth.
    kind, (word1, word2) = (2, hotspot) if hotspot else (1, (1, 32))
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = len(out) + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, word1, word2, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(args.output, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
