// Our converter against libopencc itself, both ways, on text nobody here wrote: OpenCC's own
// dictionaries.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "convert/ChineseConverter.h"
#include "tests/unit/convert/ConvertTestSupport.h"

namespace pw {
namespace {

using namespace convert_test;

// Names the first line where the outputs part.
void ExpectSameAsOpenCC(const std::string& utf8) {
    static const OpenCC t2s("t2s.json"), s2t("s2t.json");
    const std::u16string text = Utf8ToUtf16(utf8).value();
    const std::pair<std::string, std::string> outputs[] = {
        {Utf16ToUtf8(TraditionalToSimplified(text)), t2s.Convert(utf8)},
        {Utf16ToUtf8(SimplifiedToTraditional(text)), s2t.Convert(utf8)}};
    for (const auto& [ours, theirs] : outputs) {
        const auto at = std::mismatch(ours.begin(), ours.end(), theirs.begin(), theirs.end());
        const std::size_t line = std::string_view(ours.begin(), at.first).rfind('\n') + 1;
        EXPECT_TRUE(ours == theirs)
            << "line " << std::count(ours.begin(), ours.begin() + line, '\n') + 1
            << "\n ours: " << ours.substr(line, ours.find('\n', line) - line)
            << "\nOpenCC: " << theirs.substr(line, theirs.find('\n', line) - line);
    }
}

// Every key and candidate of the dictionaries alone, then glued together at random with
// phrases cut short and characters no dictionary holds, so that phrases overlap and abut in
// ways real text rarely shows. 餗 becomes a character outside the BMP: the text grows.
TEST(ChineseConverterAgainstOpenCC, DictionaryTextAloneAndGlued) {
    std::vector<std::string> texts;
    for (const char* name : {"TSPhrases", "TSCharacters", "STPhrases", "STCharacters"}) {
        std::ifstream in(std::string(PW_OPENCC_DICT_TEXT_DIR) + "/" + name + ".txt");
        for (std::string key, values; std::getline(in, key, '\t') && std::getline(in, values);) {
            texts.push_back(key);
            std::istringstream candidates(values);
            for (std::string value; candidates >> value;) texts.push_back(value);
        }
    }
    ASSERT_GT(texts.size(), 100000u);
    std::string text;
    for (const auto& t : texts) text += t + "\n";
    const std::string fillers[] = {" ", "a", "，", "\r", "😀", "\xF0\xA0\x80\x80", "覆餗"};
    std::mt19937 rng(20240611);
    for (int line = 0; line < 30000; ++line, text += '\n') {
        for (int p = 1 + rng() % 10; p > 0; --p) {
            const std::string& entry = texts[rng() % texts.size()];
            std::size_t cut = entry.size();
            if (rng() % 4 == 0) {  // all but its last character
                cut = entry.size() - 1;
                while (cut > 0 && (entry[cut] & 0xC0) == 0x80) --cut;
            }
            text += rng() % 8 == 0 ? fillers[rng() % std::size(fillers)] : entry.substr(0, cut);
        }
    }
    // Every character of the BMP, held by a dictionary or not, 64 a line.
    for (char16_t c = 1; c != 0; ++c)
        if (c < 0xD800 || c > 0xDFFF) text += Utf16ToUtf8({&c, 1}) + (c % 64 ? "" : "\n");
    ExpectSameAsOpenCC(text);
}

}  // namespace
}  // namespace pw
