// The Chinese converter on arbitrary UTF-16: a character that no dictionary of a direction
// holds is never changed, and no phrase reaches across one.
#include <cstdint>
#include <fstream>
#include <vector>

#include "convert/ChineseConverter.h"
#include "fuzz/FuzzSupport.h"

namespace pw {
namespace {

using Converter = std::u16string (*)(std::u16string_view);

// Code points that occur in the keys of a direction's dictionaries (OpenCC's text exports:
// "key<TAB>values" per line, UTF-8).
std::vector<bool> HeldBy(std::initializer_list<const char*> files) {
    std::vector<bool> held(0x110000);
    for (const char* name : files) {
        std::ifstream in(std::string(PW_OPENCC_DICT_TEXT_DIR) + "/" + name);
        PW_FUZZ_CHECK(in);
        for (std::string line; std::getline(in, line);) {
            const auto key = fuzz::DecodeUtf8(std::string_view(line).substr(0, line.find('\t')));
            PW_FUZZ_CHECK(key);
            for (const char32_t c : *key) held.at(c) = true;
        }
    }
    return held;
}

// The text cut into runs of held and of other characters: the other runs stay as they are,
// each held run converts on its own.
void CheckDirection(Converter convert, const std::vector<bool>& held, std::u16string_view text) {
    const std::u32string points = fuzz::CodePoints(text);
    std::u16string expected;
    for (std::size_t i = 0, end = 0, at = 0; i < points.size(); i = end) {
        std::size_t units = 0;
        for (; end < points.size() && held[points[end]] == held[points[i]]; ++end)
            units += points[end] > 0xFFFF ? 2 : 1;
        const std::u16string_view run = text.substr(at, units);
        expected += held[points[i]] ? convert(run) : std::u16string(run);
        at += units;
    }
    PW_FUZZ_CHECK(convert(text) == expected);
}

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    static const std::vector<bool> traditional = HeldBy({"TSPhrases.txt", "TSCharacters.txt"});
    static const std::vector<bool> simplified = HeldBy({"STPhrases.txt", "STCharacters.txt"});
    FuzzedDataProvider in(data, size);
    const std::u16string text = fuzz::TakeText(in, 8192);
    CheckDirection(TraditionalToSimplified, traditional, text);
    CheckDirection(SimplifiedToTraditional, simplified, text);
    return 0;
}
