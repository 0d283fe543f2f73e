#pragma once

// Traditional <-> Simplified Chinese conversion, giving the same result as OpenCC's
// t2s.json and s2t.json configurations. Text the dictionaries do not know, unpaired
// surrogates included, is copied through unchanged.

#include <string>
#include <string_view>

namespace pw {

std::u16string TraditionalToSimplified(std::u16string_view text);
std::u16string SimplifiedToTraditional(std::u16string_view text);

}  // namespace pw
