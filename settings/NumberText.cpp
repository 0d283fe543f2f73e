#include "settings/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace pw {

std::u16string Widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

std::u16string NumText(std::int64_t n) { return Widen(std::to_string(n)); }

std::u16string NumText(float x) {
    if (!std::isfinite(x)) return u"0";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(x));
    std::string s = buf;
    // %G keeps trailing zeros only with '#'; it may still print "-0".
    if (s == "-0") s = "0";
    return Widen(s);
}

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

double NumberValue(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        number += static_cast<char>(text[i++]);
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) {
        number += static_cast<char>(text[i++]);
        digits = true;
    }
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            number += static_cast<char>(text[i++]);
            digits = true;
        }
    }
    if (!digits) return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() &&
        (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+'))
            exponent += static_cast<char>(text[j++]);
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) exponent += static_cast<char>(text[j++]);
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

std::optional<std::int64_t> RoundToRange(double x, std::int64_t lo, std::int64_t hi) {
    if (!std::isfinite(x)) return std::nullopt;
    const double r = std::nearbyint(x);  // the default rounding mode takes halves to even
    if (r < static_cast<double>(lo) || r > static_cast<double>(hi)) return std::nullopt;
    return static_cast<std::int64_t>(r);
}

std::int64_t RoundClamped(double x, std::int64_t lo, std::int64_t hi) {
    if (std::isnan(x)) return lo;
    return static_cast<std::int64_t>(
        std::nearbyint(std::clamp(x, static_cast<double>(lo), static_cast<double>(hi))));
}

std::optional<std::int16_t> RoundToInt16(double x) {
    auto r = RoundToRange(x, INT16_MIN, INT16_MAX);
    if (!r) return std::nullopt;
    return static_cast<std::int16_t>(*r);
}

std::optional<std::int32_t> RoundToInt32(double x) {
    auto r = RoundToRange(x, INT32_MIN, INT32_MAX);
    if (!r) return std::nullopt;
    return static_cast<std::int32_t>(*r);
}

std::u16string BoolText(bool flag) { return flag ? u"True" : u"False"; }

bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

bool BoolRule(std::u16string_view text, bool defaultValue) {
    if (EqualsIgnoringAsciiCase(text, u"true")) return true;
    if (EqualsIgnoringAsciiCase(text, u"false")) return false;
    return defaultValue;
}

}  // namespace pw
