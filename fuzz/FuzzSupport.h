#pragma once
// What every fuzz target shares: a property check that stops like a crash, so that libFuzzer
// keeps the input, texts made from the fuzzer's bytes, and code points read from UTF-8 and UTF-16
// and numbers read from texts independently of the program's own routines.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
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

// Code points of UTF-8, surrogates in their own three-byte form included; nullopt when the
// bytes are not UTF-8.
inline std::optional<std::u32string> DecodeUtf8(std::string_view bytes) {
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (n == 0 || i + n > bytes.size()) return std::nullopt;
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (t & 0x3F);
        }
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

// The number a stored text begins with, read digit by digit without the C library: blanks and
// tabs, a sign, digits with at most one ".", then an exponent ("e" or "d", either case) only
// when digits follow it. nullopt when the value cannot be told exactly this simply: more than
// 15 significant digits, or a power of ten that a double does not hold exactly.
inline std::optional<double> ReferenceNumber(std::u16string_view text) {
    auto digit = [&](std::size_t i) {
        return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
    };
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    std::u16string significant;  // leading zeros dropped
    std::int64_t scale = 0;      // the value is significant * 10^scale
    bool anyDigit = false, point = false;
    for (; digit(i) || (!point && i < text.size() && text[i] == u'.'); ++i) {
        if (text[i] == u'.') {
            point = true;
            continue;
        }
        anyDigit = true;
        if (point) --scale;
        if (!significant.empty() || text[i] != u'0') significant += text[i];
    }
    if (!anyDigit) return 0.0;
    const bool exponentMark = i < text.size() && (text[i] == u'e' || text[i] == u'E' ||
                                                  text[i] == u'd' || text[i] == u'D');
    if (exponentMark) {
        std::size_t j = i + 1;
        const bool down = j < text.size() && text[j] == u'-';
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+')) ++j;
        std::int64_t exponent = 0;
        for (; digit(j); ++j)
            exponent = std::min<std::int64_t>(exponent * 10 + (text[j] - u'0'), 1'000'000);
        scale += down ? -exponent : exponent;
    }
    while (!significant.empty() && significant.back() == u'0') {
        significant.pop_back();
        ++scale;
    }
    if (significant.empty()) return negative ? -0.0 : 0.0;
    if (significant.size() > 15) return std::nullopt;
    double m = 0;
    for (const char16_t c : significant) m = m * 10 + (c - u'0');  // exact below 2^53
    double power = 1;
    for (std::int64_t k = 0; k < std::abs(scale) && k < 23; ++k) power *= 10;  // exact to 10^22
    // One correctly rounded operation on exact operands gives the correctly rounded value.
    if (scale >= 0 && static_cast<std::int64_t>(significant.size()) + scale > 15)
        return std::nullopt;
    if (scale < -22) return std::nullopt;
    const double v = scale >= 0 ? m * power : m / power;
    return negative ? -v : v;
}

}  // namespace pw::fuzz
