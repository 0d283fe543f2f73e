#pragma once
// How an up-down control reads and writes its text box, the same for every implementation.
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The box's number as the arrows count on from it: plain digits only, the empty text being 0.
inline std::optional<int> UpDownNumber(std::u16string_view text) {
    if (text.size() > 9) return std::nullopt;
    int n = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        n = n * 10 + (c - u'0');
    }
    return n;
}

inline std::u16string UpDownText(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

}  // namespace pw
