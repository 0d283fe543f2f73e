// Our converter against libopencc itself, on text nobody here wrote: the translations of
// installed gettext catalogues and OpenCC's own dictionaries.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ChineseConverter.h"
#include "tests/unit/convert/ConvertTestSupport.h"

namespace pw {
namespace {

using convert_test::OpenCC;
using convert_test::Utf16ToUtf8;
using convert_test::Utf8ToUtf16;

struct Direction {
    const char* name;
    std::u16string (*ours)(std::u16string_view);
    const OpenCC& reference;
};

const std::vector<Direction>& Directions() {
    static const OpenCC t2s("t2s.json"), s2t("s2t.json");
    static const std::vector<Direction> directions = {{"t2s", &TraditionalToSimplified, t2s},
                                                      {"s2t", &SimplifiedToTraditional, s2t}};
    return directions;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

// Names the first line where the two outputs part.
::testing::AssertionResult SameLines(const Direction& d, std::string_view input,
                                     std::string_view ours, std::string_view reference) {
    if (ours == reference) return ::testing::AssertionSuccess();
    const auto in = SplitLines(input), a = SplitLines(ours), b = SplitLines(reference);
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return ::testing::AssertionFailure()
           << d.name << ": line " << i + 1 << " differs\n   input: " << (i < in.size() ? in[i] : "")
           << "\n    ours: " << (i < a.size() ? a[i] : "<missing>")
           << "\n  OpenCC: " << (i < b.size() ? b[i] : "<missing>");
}

::testing::AssertionResult SameAsOpenCC(const Direction& d, std::string_view utf8) {
    const auto utf16 = Utf8ToUtf16(utf8);
    if (!utf16) return ::testing::AssertionFailure() << "input is not valid UTF-8";
    return SameLines(d, utf8, Utf16ToUtf8(d.ours(*utf16)), d.reference.Convert(utf8));
}

const std::string& Corpus(const std::string& locale) {
    static std::map<std::string, std::string> loaded;
    auto it = loaded.find(locale);
    if (it == loaded.end())
        it = loaded.emplace(locale, convert_test::LoadCorpus(PW_LOCALE_DIR, locale)).first;
    return it->second;
}

class ChineseConverterDifferential : public ::testing::TestWithParam<const char*> {};

TEST_P(ChineseConverterDifferential, CorpusBothWays) {
    const std::string& corpus = Corpus(GetParam());
    // Guards against a corpus that is there but has lost its Chinese.
    const auto utf16 = Utf8ToUtf16(corpus);
    ASSERT_TRUE(utf16.has_value()) << "corpus is not valid UTF-8";
    ASSERT_GT(std::count_if(utf16->begin(), utf16->end(),
                            [](char16_t c) { return c >= 0x4E00 && c <= 0x9FFF; }),
              150000)
        << "corpus holds too little Chinese";
    for (const Direction& d : Directions()) EXPECT_TRUE(SameAsOpenCC(d, corpus));
}

INSTANTIATE_TEST_SUITE_P(Locales, ChineseConverterDifferential,
                         ::testing::Values("zh_CN", "zh_TW"));

// Every key and candidate of the dictionaries the tables come from, one a line.
std::vector<std::string> DictionaryTexts() {
    std::vector<std::string> texts;
    for (const char* name : {"TSPhrases", "TSCharacters", "STPhrases", "STCharacters"}) {
        std::istringstream in(
            convert_test::ReadFile(std::string(PW_OPENCC_DICT_TEXT_DIR) + "/" + name + ".txt"));
        for (std::string key, values; std::getline(in, key, '\t') && std::getline(in, values);) {
            texts.push_back(key);
            std::istringstream candidates(values);
            for (std::string value; candidates >> value;) texts.push_back(value);
        }
    }
    return texts;
}

TEST(ChineseConverterAgainstOpenCC, EveryDictionaryEntry) {
    const auto texts = DictionaryTexts();
    ASSERT_GT(texts.size(), 100000u);
    std::string joined;
    for (const auto& t : texts) joined += t + "\n";
    for (const Direction& d : Directions()) EXPECT_TRUE(SameAsOpenCC(d, joined));
}

// Dictionary text glued together at random, so that phrases overlap and abut in ways
// real text rarely shows.
TEST(ChineseConverterAgainstOpenCC, RandomMixesOfDictionaryText) {
    const auto texts = DictionaryTexts();
    const std::vector<std::string> fillers = {" ", "a", "，", "\r", "😀", "\xF0\xA0\x80\x80"};
    std::mt19937 rng(20240611);
    std::string mix;
    for (int line = 0; line < 30000; ++line) {
        for (int p = 1 + rng() % 10; p > 0; --p) {
            const std::string& text = texts[rng() % texts.size()];
            const unsigned kind = rng() % 10;
            if (kind == 0) {
                mix += fillers[rng() % fillers.size()];
            } else if (kind == 1) {
                // One character of an entry: breaks phrases apart.
                const std::u16string t = *Utf8ToUtf16(text);
                std::size_t at = rng() % t.size();
                if (at > 0 && t[at] >= 0xDC00 && t[at] <= 0xDFFF) --at;
                mix += Utf16ToUtf8(t.substr(at, t[at] >= 0xD800 && t[at] <= 0xDBFF ? 2 : 1));
            } else {
                mix += text;
            }
        }
        mix += '\n';
    }
    for (const Direction& d : Directions()) EXPECT_TRUE(SameAsOpenCC(d, mix));
}

// Neither the corpora nor the dictionaries hold an empty text, or one that grows much.
TEST(ChineseConverterAgainstOpenCC, EmptyAndGrowingTexts) {
    std::string growing;
    // 餗 becomes a character outside the BMP: the output has a third more units than the input.
    for (int i = 0; i < 20000; ++i) growing += "覆餗\n";
    for (const Direction& d : Directions()) {
        EXPECT_TRUE(SameAsOpenCC(d, ""));
        EXPECT_TRUE(SameAsOpenCC(d, growing));
    }
}

// OpenCC cannot take unpaired surrogates, so they stand in its input as U+FFFD, which no
// dictionary holds either; its output gets them back in place of the U+FFFD.
TEST(ChineseConverterAgainstOpenCC, UnpairedSurrogatesInCorpus) {
    // A third of the lines of both corpora keeps libopencc's share of the time down.
    std::string text;
    std::size_t index = 0;
    for (const char* locale : {"zh_CN", "zh_TW"})
        for (const std::string_view line : SplitLines(Corpus(locale)))
            if (index++ % 3 == 0) (text += line) += '\n';
    const auto corpus = Utf8ToUtf16(text);
    ASSERT_TRUE(corpus.has_value());
    ASSERT_EQ(std::u16string::npos, corpus->find(u'\xFFFD')) << "corpus already has U+FFFD";

    std::mt19937 rng(7);
    std::u16string withSurrogates, withPlaceholders, inserted;
    for (const char16_t c : *corpus) {
        // Only on code point boundaries: never in front of a low surrogate.
        if ((c < 0xDC00 || c > 0xDFFF) && rng() % 6 == 0) {
            const std::uint32_t r = rng();
            const auto s = static_cast<char16_t>((r & 1 ? 0xD800 : 0xDC00) + (r >> 1) % 0x400);
            withSurrogates += s;
            withPlaceholders += u'\xFFFD';
            inserted += s;
        }
        withSurrogates += c;
        withPlaceholders += c;
    }
    ASSERT_GT(inserted.size(), 30000u);

    for (const Direction& d : Directions()) {
        std::u16string expected = *Utf8ToUtf16(d.reference.Convert(Utf16ToUtf8(withPlaceholders)));
        std::size_t next = 0;
        for (char16_t& c : expected)
            if (c == u'\xFFFD' && next < inserted.size()) c = inserted[next++];
        ASSERT_EQ(inserted.size(), next) << d.name;
        EXPECT_TRUE(SameLines(d, Utf16ToUtf8(withSurrogates), Utf16ToUtf8(d.ours(withSurrogates)),
                              Utf16ToUtf8(expected)));
    }
}

}  // namespace
}  // namespace pw
