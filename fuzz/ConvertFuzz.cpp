// The Chinese converter on arbitrary UTF-16: a character that no dictionary of a direction
// holds is never changed, and no phrase reaches across one.
#include <cstdint>
#include <fstream>
#include <string>
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
        std::string line;
        while (std::getline(in, line)) {
            for (std::size_t i = 0; i < line.size() && line[i] != '\t';) {
                const auto b = static_cast<unsigned char>(line[i]);
                const std::size_t len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
                char32_t cp = len == 1 ? b : b & (0x3F >> (len - 1));
                for (std::size_t k = 1; k < len && i + k < line.size(); ++k)
                    cp = (cp << 6) | (static_cast<unsigned char>(line[i + k]) & 0x3F);
                if (cp < held.size()) held[cp] = true;
                i += len;
            }
        }
    }
    return held;
}

// Length of the code point at text[i]; an unpaired surrogate stands for itself.
std::size_t Units(std::u16string_view text, std::size_t i, char32_t& cp) {
    cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        return 2;
    }
    return 1;
}

// The text cut into runs of held and of other characters: the other runs stay as they are,
// each held run converts on its own.
void CheckDirection(Converter convert, const std::vector<bool>& held, std::u16string_view text) {
    std::u16string expected;
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp;
        std::size_t n = Units(text, i, cp);
        const bool isHeld = held[cp];
        std::size_t end = i + n;
        while (end < text.size() && (n = Units(text, end, cp), held[cp] == isHeld)) end += n;
        const std::u16string_view run = text.substr(i, end - i);
        expected += isHeld ? convert(run) : std::u16string(run);
        i = end;
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
