#!/usr/bin/env python3
"""Re-encode UTF-8 text sources into the program's ANSI code page (GBK).

The repository keeps its Chinese texts in UTF-8; what ships beside PWick.exe
(the read-me, the help sources chmcmd compiles) must be in code page 936.
A character GBK cannot hold is an error, never a silent "?".

    ansi.py [--crlf] -o OUT_DIR FILE...     each FILE to OUT_DIR/<name>
    ansi.py [--crlf] -o OUT_FILE FILE       one file to OUT_FILE
"""
import argparse
import os
import sys


def convert(source, target, crlf):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    if text.startswith("\ufeff"):
        text = text[1:]
    if crlf:
        text = text.replace("\r\n", "\n").replace("\n", "\r\n")
    try:
        data = text.encode("gbk")
    except UnicodeEncodeError as e:
        line = text.count("\n", 0, e.start) + 1
        sys.exit(f"{source}:{line}: {text[e.start]!r} has no GBK form")
    tmp = target + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, target)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--crlf", action="store_true", help="CR LF line ends")
    parser.add_argument("-o", "--output", required=True)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()

    if os.path.isdir(args.output):
        for source in args.files:
            convert(source, os.path.join(args.output, os.path.basename(source)), args.crlf)
    elif len(args.files) == 1:
        convert(args.files[0], args.output, args.crlf)
    else:
        sys.exit(f"{args.output}: not a folder")


if __name__ == "__main__":
    main()
