#pragma once
// What every fuzz target shares: a property check that stops like a crash, so that libFuzzer
// keeps the input, and texts made from the fuzzer's bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#define PW_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace pw::fuzz {

// Mostly one unit per byte, so that digits and words come easily; otherwise two bytes per
// unit, so that every UTF-16 unit (NUL, unpaired surrogates, CJK) occurs.
inline std::u16string TakeText(FuzzedDataProvider& in, std::size_t maxBytes = 4096) {
    const bool wide = in.ConsumeBool();
    const std::string bytes = in.ConsumeRandomLengthString(maxBytes);
    std::u16string text;
    if (!wide) return {bytes.begin(), bytes.end()};
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
}

}  // namespace pw::fuzz
