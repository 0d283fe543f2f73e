#pragma once

// Traditional <-> Simplified Chinese conversion, giving the same result as OpenCC's
// t2s.json and s2t.json configurations. Text the dictionaries do not know, unpaired
// surrogates included, is copied through unchanged.

#include <array>
#include <string>
#include <string_view>

namespace pw {

std::u16string TraditionalToSimplified(std::u16string_view text);
std::u16string SimplifiedToTraditional(std::u16string_view text);

// One form for every character that the character dictionaries pair as Traditional and
// Simplified variants of each other, directly or through a chain of such pairs: two units map
// to the same form exactly when they are variants. Built on first use. One unit always maps to
// one unit, so a position in a mapped text is the same position in the text itself; characters
// outside the BMP (surrogate pairs) therefore map to themselves, as does every unit that has no
// variant of one unit.
using SameFormTable = std::array<char16_t, 0x10000>;
const SameFormTable& SameFormOfEachUnit();

}  // namespace pw
