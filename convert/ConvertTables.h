#pragma once

// Layout of the conversion tables that tools/gen_convert_tables.py generates from
// OpenCC's dictionaries. Everything is constant data: nothing is built at start-up.

#include <cstdint>

namespace pw::convert_tables {

// Text in the pool is referred to as (offset << kLengthBits) | length, in UTF-16 units;
// 0 means "no conversion" because no conversion is empty.
inline constexpr std::uint32_t kLengthBits = 6;
inline constexpr std::uint32_t kLengthMask = (1u << kLengthBits) - 1;

struct CodePointEntry {
    std::uint32_t value;  // conversion of the code point on its own
    std::uint32_t node;   // trie node after this code point, 0 when no phrase starts with it
};

struct Table {
    std::uint32_t blockShift;  // code points per block = 1 << blockShift
    std::uint32_t firstUnit;   // UTF-16 units below it start nothing that converts
    std::uint32_t pageCount;   // pages past the last one hold nothing
    std::uint32_t entryCount;
    std::uint32_t nodeCount;
    std::uint32_t poolSize;
    const std::uint16_t* pages;          // block of each page of code points
    const CodePointEntry* entries;       // the blocks, one after the other
    const std::uint32_t* childBegin;     // children of node n: childBegin[n] .. childBegin[n+1]-1
    const std::uint32_t* nodeCodePoint;  // code point leading into the node; siblings ascend
    const std::uint32_t* nodeValue;      // conversion of the phrase ending at the node, or 0
    const char16_t* pool;
};

extern const Table kTraditionalToSimplified;
extern const Table kSimplifiedToTraditional;

}  // namespace pw::convert_tables
