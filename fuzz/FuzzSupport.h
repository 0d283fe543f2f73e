#pragma once
// What every fuzz target shares: a property check that stops like a crash, so that libFuzzer
// keeps the input, texts made from the fuzzer's bytes, and code points read from UTF-8 and UTF-16
// and numbers read from texts independently of the program's own routines.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>
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

// Code points of UTF-8 in its shortest forms up to U+10FFFF, surrogates in their own three-byte
// form included; nullopt when the bytes are not UTF-8.
inline std::optional<std::u32string> DecodeUtf8(std::string_view bytes) {
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (n == 0 || b >= 0xF8 || i + n > bytes.size()) return std::nullopt;
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (t & 0x3F);
        }
        if (c < (n == 1 ? 0 : n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000) || c > 0x10FFFF)
            return std::nullopt;
        out += c;
        i += n;
    }
    return out;
}

// Code points of UTF-16; an unpaired surrogate stands for itself.
inline std::u32string CodePoints(std::u16string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        out += c;
    }
    return out;
}

// The number a stored text begins with, found by a pattern rather than by scanning: blanks and
// tabs, a sign, digits with at most one ".", then an exponent ("e" or "d", either case) only
// with its digits. 0 when the text begins with no number.
inline double ReferenceNumber(std::u16string_view text) {
    std::string narrow;  // "d" as the C library writes it; beyond ASCII ends a number anyway
    for (const char16_t c : text)
        narrow += c == u'd' || c == u'D' ? 'e' : c < 0x80 ? static_cast<char>(c) : '?';
    static const std::regex number(R"([ \t]*([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?))");
    std::smatch found;
    if (!std::regex_search(narrow, found, number, std::regex_constants::match_continuous)) return 0;
    return std::strtod(found.str(1).c_str(), nullptr);
}

}  // namespace pw::fuzz
