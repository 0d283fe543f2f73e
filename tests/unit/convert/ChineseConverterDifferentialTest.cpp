// Our converter against libopencc itself, on text nobody here wrote: the translations of
// installed gettext catalogues and OpenCC's own dictionaries.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
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

using ConvertFn = std::u16string (*)(std::u16string_view);

struct Direction {
    const char* name;
    ConvertFn ours;
    const OpenCC* reference;
};

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

// Names the first line where the two outputs part.
::testing::AssertionResult SameLines(std::string_view input, std::string_view ours,
                                     std::string_view reference) {
    if (ours == reference) return ::testing::AssertionSuccess();
    const auto in = SplitLines(input);
    const auto a = SplitLines(ours);
    const auto b = SplitLines(reference);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string_view x = i < a.size() ? a[i] : "<missing>";
        const std::string_view y = i < b.size() ? b[i] : "<missing>";
        if (x != y) {
            return ::testing::AssertionFailure()
                   << "line " << i + 1 << " differs\n   input: " << (i < in.size() ? in[i] : "")
                   << "\n    ours: " << x << "\n  OpenCC: " << y;
        }
    }
    return ::testing::AssertionFailure() << "outputs differ but no line does";
}

::testing::AssertionResult SameAsOpenCC(const Direction& d, std::string_view utf8) {
    const auto utf16 = Utf8ToUtf16(utf8);
    if (!utf16) return ::testing::AssertionFailure() << "input is not valid UTF-8";
    const std::string ours = Utf16ToUtf8(d.ours(*utf16));
    const std::string reference = d.reference->Convert(utf8);
    auto result = SameLines(utf8, ours, reference);
    if (!result) result << "\n  (" << d.name << ")";
    return result;
}

class ChineseConverterDifferential : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        t2s_ = std::make_unique<OpenCC>("t2s.json");
        s2t_ = std::make_unique<OpenCC>("s2t.json");
    }
    static void TearDownTestSuite() {
        t2s_.reset();
        s2t_.reset();
    }

    static std::vector<Direction> Directions() {
        return {{"t2s", &TraditionalToSimplified, t2s_.get()},
                {"s2t", &SimplifiedToTraditional, s2t_.get()}};
    }

    static const convert_test::Corpus& CorpusFor(const std::string& locale) {
        static std::map<std::string, convert_test::Corpus> loaded;
        auto it = loaded.find(locale);
        if (it == loaded.end()) {
            it = loaded.emplace(locale, convert_test::LoadCorpus(PW_LOCALE_DIR, locale)).first;
        }
        return it->second;
    }

    static void CheckCorpus(const std::string& locale) {
        const convert_test::Corpus& corpus = CorpusFor(locale);
        std::string missing;
        for (const auto& m : corpus.missing) missing += "\n  " + m;
        ASSERT_TRUE(corpus.missing.empty()) << "catalogues missing, install them:" << missing;
        // Guards against a corpus that is there but has lost its Chinese.
        const auto utf16 = Utf8ToUtf16(corpus.text);
        ASSERT_TRUE(utf16.has_value()) << locale << " corpus is not valid UTF-8";
        const auto han = std::count_if(utf16->begin(), utf16->end(),
                                       [](char16_t c) { return c >= 0x4E00 && c <= 0x9FFF; });
        ASSERT_GT(han, 150000) << locale << " corpus holds too little Chinese";
        for (const Direction& d : Directions()) {
            EXPECT_TRUE(SameAsOpenCC(d, corpus.text)) << locale << " corpus";
        }
    }

    static inline std::unique_ptr<OpenCC> t2s_;
    static inline std::unique_ptr<OpenCC> s2t_;
};

TEST_F(ChineseConverterDifferential, SimplifiedCorpusBothWays) { CheckCorpus("zh_CN"); }

TEST_F(ChineseConverterDifferential, TraditionalCorpusBothWays) { CheckCorpus("zh_TW"); }

// Every key and candidate of the dictionaries the tables come from, one per line.
std::vector<std::string> DictionaryTexts() {
    std::vector<std::string> texts;
    for (const char* name : {"TSPhrases", "TSCharacters", "STPhrases", "STCharacters"}) {
        std::istringstream in(
            convert_test::ReadFile(std::string(PW_OPENCC_DICT_TEXT_DIR) + "/" + name + ".txt"));
        std::string line;
        while (std::getline(in, line)) {
            const std::size_t tab = line.find('\t');
            if (tab == std::string::npos) continue;
            texts.push_back(line.substr(0, tab));
            std::istringstream values(line.substr(tab + 1));
            std::string value;
            while (values >> value) texts.push_back(value);
        }
    }
    return texts;
}

TEST_F(ChineseConverterDifferential, EveryDictionaryEntry) {
    const auto texts = DictionaryTexts();
    ASSERT_GT(texts.size(), 100000u);
    std::string joined;
    for (const auto& t : texts) joined += t + "\n";
    for (const Direction& d : Directions()) EXPECT_TRUE(SameAsOpenCC(d, joined));
}

// Dictionary text glued together at random, so that phrases overlap and abut in ways
// real text rarely shows.
TEST_F(ChineseConverterDifferential, RandomMixesOfDictionaryText) {
    const auto texts = DictionaryTexts();
    ASSERT_FALSE(texts.empty());
    const std::vector<std::string> fillers = {" ", "a", "，", "\r", "😀", "\xF0\xA0\x80\x80"};
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::size_t> pickText(0, texts.size() - 1);
    std::uniform_int_distribution<std::size_t> pickFiller(0, fillers.size() - 1);
    std::uniform_int_distribution<int> pieces(1, 10);
    std::uniform_int_distribution<int> kind(0, 9);
    std::string mix;
    for (int line = 0; line < 30000; ++line) {
        for (int p = pieces(rng); p > 0; --p) {
            const int k = kind(rng);
            if (k == 0) {
                mix += fillers[pickFiller(rng)];
            } else if (k == 1) {
                // One character of an entry: breaks phrases apart.
                const std::u16string t = *Utf8ToUtf16(texts[pickText(rng)]);
                std::size_t at = rng() % t.size();
                if (at > 0 && t[at] >= 0xDC00 && t[at] <= 0xDFFF) --at;
                const std::size_t len = t[at] >= 0xD800 && t[at] <= 0xDBFF ? 2 : 1;
                mix += Utf16ToUtf8(t.substr(at, len));
            } else {
                mix += texts[pickText(rng)];
            }
        }
        mix += '\n';
    }
    for (const Direction& d : Directions()) EXPECT_TRUE(SameAsOpenCC(d, mix));
}

// OpenCC cannot take unpaired surrogates, so they stand in its input as U+FFFD, which no
// dictionary holds either; its output gets them back in place of the U+FFFD.
TEST_F(ChineseConverterDifferential, UnpairedSurrogatesInCorpus) {
    // A third of the lines of both corpora keeps libopencc's share of the time down.
    std::string text;
    std::size_t index = 0;
    for (const char* locale : {"zh_CN", "zh_TW"}) {
        for (const std::string_view line : SplitLines(CorpusFor(locale).text)) {
            if (index++ % 3 == 0) (text += line) += '\n';
        }
    }
    ASSERT_GT(text.size(), 300000u);
    const auto corpus = Utf8ToUtf16(text);
    ASSERT_TRUE(corpus.has_value());
    ASSERT_EQ(std::u16string::npos, corpus->find(u'\xFFFD')) << "corpus already has U+FFFD";

    std::mt19937 rng(7);
    std::u16string withSurrogates, withPlaceholders, inserted;
    withSurrogates.reserve(corpus->size() * 5 / 4);
    withPlaceholders.reserve(corpus->size() * 5 / 4);
    for (const char16_t c : *corpus) {
        // Only on code point boundaries: never in front of a low surrogate.
        const bool boundary = c < 0xDC00 || c > 0xDFFF;
        if (boundary && rng() % 6 == 0) {
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
        std::u16string expected = *Utf8ToUtf16(d.reference->Convert(Utf16ToUtf8(withPlaceholders)));
        std::size_t next = 0;
        for (char16_t& c : expected) {
            if (c == u'\xFFFD') {
                ASSERT_LT(next, inserted.size());
                c = inserted[next++];
            }
        }
        ASSERT_EQ(inserted.size(), next) << d.name;
        EXPECT_TRUE(SameLines(Utf16ToUtf8(withSurrogates), Utf16ToUtf8(d.ours(withSurrogates)),
                              Utf16ToUtf8(expected)))
            << d.name;
    }
}

}  // namespace
}  // namespace pw
