#!/usr/bin/env python3
"""Build a 16-colour .ico or .cur file from text pixel maps.

Each map is a square of letters, one per pixel, named in the palette file;
'.' marks a transparent pixel and lines starting with '#' are comments.
Every map given becomes one image of the icon, in the order given. With
--hotspot the file is a cursor, whose hot spot is given as column,row.

    mkico.py --palette palette.txt -o Out.ico map32.txt map16.txt
    mkico.py --palette palette.txt --hotspot 12,5 -o Hand.cur hand-32.txt
"""
import argparse
import struct
import sys

TRANSPARENT = "."


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
    if size not in (16, 24, 32, 48) or any(len(r) != size for r in rows):
        sys.exit(f"{path}: want a square map of 16, 24, 32 or 48 pixels, got "
                 f"{size} rows of {sorted(set(len(r) for r in rows))}")
    return rows


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def image_bytes(rows, letters, colours):
    size = len(rows)
    xor = b""
    mask = b""
    # Bitmaps are stored bottom row first.
    for row in reversed(rows):
        nibbles = [0 if ch == TRANSPARENT else letters[ch] for ch in row]
        xor += padded(bytes((nibbles[i] << 4) | nibbles[i + 1]
                            for i in range(0, size, 2)))
        bits = 0
        for ch in row:
            bits = (bits << 1) | (ch == TRANSPARENT)
        mask += padded(bits.to_bytes(size // 8, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    return header + palette + xor + mask


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--palette", required=True)
    parser.add_argument("-o", "--output", required=True)
    parser.add_argument("--hotspot", help="column,row: write a cursor")
    parser.add_argument("maps", nargs="+")
    args = parser.parse_args()
    hotspot = None
    if args.hotspot:
        hotspot = tuple(int(v) for v in args.hotspot.split(","))
        if len(hotspot) != 2:
            sys.exit(f"--hotspot {args.hotspot}: want column,row")

    letters, colours = read_palette(args.palette)
    images = []
    for path in args.maps:
        rows = read_map(path, letters)
        size = len(rows)
        if hotspot and not all(0 <= v < size for v in hotspot):
            sys.exit(f"{path}: hot spot {hotspot} lies outside the {size}x{size} map")
        images.append((size, image_bytes(rows, letters, colours)))

    # A cursor's directory holds the hot spot where an icon's holds planes and depth.
    kind, (word1, word2) = (2, hotspot) if hotspot else (1, (1, 4))
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = len(out) + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, word1, word2, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(args.output, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
