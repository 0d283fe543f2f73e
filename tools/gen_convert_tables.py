#!/usr/bin/env python3
"""Turns OpenCC's dictionaries (exported to text by opencc_dict) into the constant
tables of convert/ConvertTables.h.

Each direction gets:
  * a two-level code point table: pages[cp >> shift] selects a block, the block entry
    holds the character's own conversion and the trie node of the phrases starting there;
  * a phrase trie over code points, nodes numbered breadth first so that the children of
    node n are the nodes childBegin[n] .. childBegin[n + 1] - 1, sorted by code point;
  * a pool of UTF-16 text that every conversion refers to as (offset << 6) | length.

The converter relies on the character dictionaries holding single code points only; the
script refuses dictionaries that break that instead of producing a wrong converter.
"""

import argparse
import sys

LENGTH_BITS = 6
MAX_VALUE_UNITS = (1 << LENGTH_BITS) - 1
MAX_POOL_UNITS = 1 << (32 - LENGTH_BITS)


class DictionaryError(Exception):
    pass


def load_dictionary(path):
    """Returns {key: first candidate}: OpenCC converts to the first one."""
    entries = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line:
                continue
            parts = line.split("\t")
            if len(parts) != 2:
                raise DictionaryError(f"{path}:{number}: expected 'key<TAB>values'")
            key, values = parts
            candidates = values.split(" ")
            if not key or not candidates[0]:
                raise DictionaryError(f"{path}:{number}: empty key or value")
            if key in entries:
                raise DictionaryError(f"{path}:{number}: duplicate key {key!r}")
            for text in (key, candidates[0]):
                if any(0xD800 <= ord(c) <= 0xDFFF for c in text):
                    raise DictionaryError(f"{path}:{number}: surrogate code point")
            entries[key] = candidates[0]
    return entries


def utf16_units(text):
    data = text.encode("utf-16-le")
    return [int.from_bytes(data[i:i + 2], "little") for i in range(0, len(data), 2)]


class Pool:
    def __init__(self):
        self.units = []
        self.offsets = {}

    def ref(self, text):
        offset = self.offsets.get(text)
        units = utf16_units(text)
        if len(units) > MAX_VALUE_UNITS:
            raise DictionaryError(f"value too long for the table: {text!r}")
        if offset is None:
            offset = len(self.units)
            self.offsets[text] = offset
            self.units.extend(units)
            if len(self.units) >= MAX_POOL_UNITS:
                raise DictionaryError("text pool too large")
        return (offset << LENGTH_BITS) | len(units)


def build_direction(phrases, characters):
    for key in characters:
        if len(key) != 1:
            raise DictionaryError(f"character dictionary key is not one code point: {key!r}")

    pool = Pool()

    # Nested dicts first; numbering them breadth first makes siblings contiguous.
    root = {}
    terminal_value = {}
    for key, value in phrases.items():
        node = root
        for ch in key:
            node = node.setdefault(ord(ch), {})
        terminal_value[key] = value

    node_cp = [0]
    node_value = [0]
    child_begin = [0]
    first_node = {}
    queue = []
    for cp in sorted(root):
        node_id = len(node_cp)
        first_node[cp] = node_id
        node_cp.append(cp)
        prefix = chr(cp)
        node_value.append(pool.ref(terminal_value[prefix]) if prefix in terminal_value else 0)
        queue.append((root[cp], prefix))
    child_begin[0] = len(node_cp)  # node 0 has no children; keep the array monotonic

    head = 0
    while head < len(queue):
        children, prefix = queue[head]
        head += 1
        child_begin.append(len(node_cp))
        for cp in sorted(children):
            text = prefix + chr(cp)
            node_cp.append(cp)
            node_value.append(pool.ref(terminal_value[text]) if text in terminal_value else 0)
            queue.append((children[cp], text))
    child_begin.append(len(node_cp))
    assert len(child_begin) == len(node_cp) + 1

    entries = {}
    for cp, node_id in first_node.items():
        entries[cp] = [0, node_id]
    for key, value in characters.items():
        entries.setdefault(ord(key), [0, 0])[0] = pool.ref(value)

    best = None
    for shift in range(4, 11):
        pages, blocks = build_blocks(entries, shift)
        size = len(pages) * 2 + len(blocks) * 8
        if best is None or size < best[0]:
            best = (size, shift, pages, blocks)
    _, shift, pages, blocks = best

    return {
        "shift": shift,
        "first_unit": min(utf16_units(chr(cp))[0] for cp in entries),
        "pages": pages,
        "blocks": blocks,
        "child_begin": child_begin,
        "node_cp": node_cp,
        "node_value": node_value,
        "pool": pool.units,
    }


def build_blocks(entries, shift):
    size = 1 << shift
    empty = tuple([(0, 0)] * size)
    block_ids = {empty: 0}
    blocks = [empty]
    occupied = {cp >> shift for cp in entries}
    pages = []
    for page in range((max(entries) >> shift) + 1):
        if page not in occupied:
            pages.append(0)
            continue
        base = page << shift
        block = tuple(tuple(entries.get(base + i, (0, 0))) for i in range(size))
        block_id = block_ids.get(block)
        if block_id is None:
            block_id = len(blocks)
            block_ids[block] = block_id
            blocks.append(block)
        pages.append(block_id)
    if len(blocks) > 0xFFFF:
        raise DictionaryError("too many code point blocks")
    flat = [entry for block in blocks for entry in block]
    return pages, flat


def format_numbers(values, per_line=16):
    lines = []
    for i in range(0, len(values), per_line):
        lines.append("    " + ", ".join(str(v) for v in values[i:i + per_line]) + ",")
    return "\n".join(lines)


def emit_arrays(out, prefix, t):
    out.append(f"const std::uint16_t {prefix}Pages[] = {{\n{format_numbers(t['pages'])}\n}};\n")
    entry_lines = []
    for i in range(0, len(t["blocks"]), 8):
        chunk = t["blocks"][i:i + 8]
        entry_lines.append("    " + " ".join(f"{{{v}, {n}}}," for v, n in chunk))
    out.append(f"const CodePointEntry {prefix}Entries[] = {{\n" + "\n".join(entry_lines) + "\n};\n")
    out.append(f"const std::uint32_t {prefix}ChildBegin[] = {{\n"
               f"{format_numbers(t['child_begin'])}\n}};\n")
    out.append(f"const std::uint32_t {prefix}NodeCodePoint[] = {{\n"
               f"{format_numbers(t['node_cp'])}\n}};\n")
    out.append(f"const std::uint32_t {prefix}NodeValue[] = {{\n"
               f"{format_numbers(t['node_value'])}\n}};\n")
    out.append(f"const char16_t {prefix}Pool[] = {{\n{format_numbers(t['pool'])}\n}};\n")


def emit_table(out, prefix, table_name, t):
    out.append(f"constinit const Table {table_name} = {{\n"
               f"    {t['shift']}, {t['first_unit']},\n"
               f"    {len(t['pages'])}, {len(t['blocks'])}, {len(t['node_cp'])}, {len(t['pool'])},\n"
               f"    {prefix}Pages, {prefix}Entries, {prefix}ChildBegin, {prefix}NodeCodePoint,\n"
               f"    {prefix}NodeValue, {prefix}Pool,\n"
               f"}};\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ts-phrases", required=True)
    parser.add_argument("--ts-characters", required=True)
    parser.add_argument("--st-phrases", required=True)
    parser.add_argument("--st-characters", required=True)
    parser.add_argument("--output", required=True)
    args = parser.parse_args()

    try:
        t2s = build_direction(load_dictionary(args.ts_phrases),
                              load_dictionary(args.ts_characters))
        s2t = build_direction(load_dictionary(args.st_phrases),
                              load_dictionary(args.st_characters))
    except DictionaryError as e:
        print(f"gen_convert_tables.py: {e}", file=sys.stderr)
        return 1

    out = [
        "// Generated by tools/gen_convert_tables.py from OpenCC's dictionaries. Do not edit.\n",
        "#include <cstdint>\n\n#include \"convert/ConvertTables.h\"\n\n",
        "namespace pw::convert_tables {\nnamespace {\n",
    ]
    emit_arrays(out, "kT2S", t2s)
    emit_arrays(out, "kS2T", s2t)
    out.append("}  // namespace\n\n")
    emit_table(out, "kT2S", "kTraditionalToSimplified", t2s)
    emit_table(out, "kS2T", "kSimplifiedToTraditional", s2t)
    out.append("}  // namespace pw::convert_tables\n")

    text = "".join(out)
    try:
        with open(args.output, encoding="utf-8") as f:
            if f.read() == text:
                return 0
    except OSError:
        pass
    with open(args.output, "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
