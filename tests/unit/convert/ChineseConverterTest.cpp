#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "convert/ChineseConverter.h"

namespace pw {
namespace {

// Readable failures for UTF-16 text.
std::string Show(std::u16string_view s) {
    std::string out;
    for (char16_t c : s) {
        char buf[8];
        std::snprintf(buf, sizeof buf, c < 0x80 && c >= 0x20 ? "%c" : "\\u%04X",
                      static_cast<unsigned>(c));
        out += buf;
    }
    return out;
}

#define EXPECT_U16_EQ(expected, actual)                                            \
    do {                                                                           \
        const std::u16string e_ = (expected);                                      \
        const std::u16string a_ = (actual);                                        \
        EXPECT_EQ(e_, a_) << "expected " << Show(e_) << "\n  actual " << Show(a_); \
    } while (0)

TEST(ChineseConverterBasics, EmptyTextStaysEmpty) {
    EXPECT_TRUE(TraditionalToSimplified(u"").empty());
    EXPECT_TRUE(SimplifiedToTraditional(u"").empty());
}

TEST(ChineseConverterBasics, TextWithoutChineseIsUnchanged) {
    std::u16string ascii;
    for (char16_t c = 0; c < 0x80; ++c) ascii.push_back(c);
    const std::u16string others = u"Ünïcödé ひらがな カタカナ 한국어 Ελληνικά «»—…";
    for (const std::u16string& text : {ascii, others}) {
        EXPECT_U16_EQ(text, TraditionalToSimplified(text));
        EXPECT_U16_EQ(text, SimplifiedToTraditional(text));
    }
}

TEST(ChineseConverterBasics, SingleCharacters) {
    EXPECT_U16_EQ(u"头", TraditionalToSimplified(u"頭"));
    EXPECT_U16_EQ(u"发", TraditionalToSimplified(u"髮"));
    EXPECT_U16_EQ(u"发", TraditionalToSimplified(u"發"));
    EXPECT_U16_EQ(u"頭", SimplifiedToTraditional(u"头"));
    // 鉴 has the candidates 鑑 and 鑒: the first one is taken.
    EXPECT_U16_EQ(u"鑑", SimplifiedToTraditional(u"鉴"));
}

TEST(ChineseConverterBasics, MultiLineTextKeepsCrLf) {
    EXPECT_U16_EQ(u"头发\r\n发展\r\n\r\n理发\r\n",
                  TraditionalToSimplified(u"頭髮\r\n發展\r\n\r\n理髮\r\n"));
    EXPECT_U16_EQ(u"頭髮\r\n發展\r\n\r\n理髮\r\n",
                  SimplifiedToTraditional(u"头发\r\n发展\r\n\r\n理发\r\n"));
    // A phrase cut by a line break converts character by character.
    EXPECT_U16_EQ(u"頭\r\n發", SimplifiedToTraditional(u"头\r\n发"));
    EXPECT_U16_EQ(u"\r\n\r\n", SimplifiedToTraditional(u"\r\n\r\n"));
}

TEST(ChineseConverterBasics, ChineseMixedWithLatin) {
    EXPECT_U16_EQ(u"Git 倉庫 repo: 頭髮 v2.0, 發展OK理髮.",
                  SimplifiedToTraditional(u"Git 仓库 repo: 头发 v2.0, 发展OK理发."));
    EXPECT_U16_EQ(u"Git 仓库 repo: 头发 v2.0, 发展OK理发.",
                  TraditionalToSimplified(u"Git 倉庫 repo: 頭髮 v2.0, 發展OK理髮."));
    // Latin between the characters of 头发 keeps it from being a phrase.
    EXPECT_U16_EQ(u"a頭b發c", SimplifiedToTraditional(u"a头b发c"));
}

TEST(ChineseConverterPhrases, PhraseDecidesBetweenCandidates) {
    // 发 alone is 發; in 头发 and 理发 it is hair, 髮.
    EXPECT_U16_EQ(u"頭髮", SimplifiedToTraditional(u"头发"));
    EXPECT_U16_EQ(u"理髮", SimplifiedToTraditional(u"理发"));
    EXPECT_U16_EQ(u"發展", SimplifiedToTraditional(u"发展"));
    EXPECT_U16_EQ(u"頭發", SimplifiedToTraditional(u"头") + SimplifiedToTraditional(u"发"));
    EXPECT_U16_EQ(u"头发", TraditionalToSimplified(u"頭髮"));
    // The phrase's first candidate wins over 老态龙锺.
    EXPECT_U16_EQ(u"老态龙钟", TraditionalToSimplified(u"老態龍鍾"));
}

TEST(ChineseConverterPhrases, LongestPhraseWins) {
    EXPECT_U16_EQ(u"鍛鍊", SimplifiedToTraditional(u"锻炼"));
    EXPECT_U16_EQ(u"鍛煉出", SimplifiedToTraditional(u"锻炼出"));
}

TEST(ChineseConverterPhrases, SegmentationIsGreedyFromTheLeft) {
    // 蛮干|净, not 蛮|干净 (which would give 乾淨).
    EXPECT_U16_EQ(u"蠻幹淨", SimplifiedToTraditional(u"蛮干净"));
    EXPECT_U16_EQ(u"乾淨", SimplifiedToTraditional(u"干净"));
    // 银发|声, not 银|发声 (which would give 發聲).
    EXPECT_U16_EQ(u"銀髮聲", SimplifiedToTraditional(u"银发声"));
    EXPECT_U16_EQ(u"發聲", SimplifiedToTraditional(u"发声"));
}

TEST(ChineseConverterSupplementary, CharactersOutsideTheBmp) {
    // Dictionary entries on both sides of the BMP boundary.
    EXPECT_U16_EQ(u"\U0002A23C", SimplifiedToTraditional(u"\U0003129C"));
    EXPECT_U16_EQ(u"覆餗之憂", SimplifiedToTraditional(u"复\U0002B5E7之忧"));
    EXPECT_U16_EQ(u"覆\U0002B5E7", TraditionalToSimplified(u"覆餗"));
    // Characters no dictionary holds stay, and split phrases.
    EXPECT_U16_EQ(u"😀頭髮😀", SimplifiedToTraditional(u"😀头发😀"));
    EXPECT_U16_EQ(u"頭😀發", SimplifiedToTraditional(u"头😀发"));
    EXPECT_U16_EQ(u"\U00020000头\U0010FFFF", TraditionalToSimplified(u"\U00020000頭\U0010FFFF"));
}

TEST(ChineseConverterSupplementary, LongerOutputThanInput) {
    std::u16string in, expected;
    for (int i = 0; i < 20000; ++i) {
        in += u"覆餗";
        expected += u"覆\U0002B5E7";
    }
    EXPECT_U16_EQ(expected, TraditionalToSimplified(in));
}

TEST(ChineseConverterSurrogates, UnpairedSurrogatesPassThrough) {
    const std::u16string high(1, u'\xD83D');
    const std::u16string low(1, u'\xDE00');
    for (const std::u16string& s : {high, low}) {
        EXPECT_U16_EQ(s, SimplifiedToTraditional(s));
        EXPECT_U16_EQ(s, TraditionalToSimplified(s));
        EXPECT_U16_EQ(s + u"頭髮", SimplifiedToTraditional(s + u"头发"));
        EXPECT_U16_EQ(u"頭髮" + s, SimplifiedToTraditional(u"头发" + s));
        EXPECT_U16_EQ(u"头发" + s, TraditionalToSimplified(u"頭髮" + s));
        // Between two characters of a phrase: the phrase is broken.
        EXPECT_U16_EQ(u"頭" + s + u"發", SimplifiedToTraditional(u"头" + s + u"发"));
        EXPECT_U16_EQ(u"發展" + s + u"理髮", SimplifiedToTraditional(u"发展" + s + u"理发"));
    }
    // Reversed pair, doubled high, high before a valid pair, pair after a lone low.
    EXPECT_U16_EQ(u"頭\xDE00\xD83D發", SimplifiedToTraditional(u"头\xDE00\xD83D发"));
    EXPECT_U16_EQ(u"\xD83D\xD83D頭髮", SimplifiedToTraditional(u"\xD83D\xD83D头发"));
    EXPECT_U16_EQ(u"\xD83D\U0002A23C", SimplifiedToTraditional(u"\xD83D\U0003129C"));
    EXPECT_U16_EQ(u"\xDE00\U0002A23C\xDE00", SimplifiedToTraditional(u"\xDE00\U0003129C\xDE00"));
    // A lone high surrogate of a dictionary character must not match it.
    const std::u16string pair = u"\U0003129C";
    const std::u16string highHalf = pair.substr(0, 1);
    const std::u16string lowHalf = pair.substr(1);
    EXPECT_U16_EQ(highHalf + u"頭", SimplifiedToTraditional(highHalf + u"头"));
    EXPECT_U16_EQ(u"頭" + lowHalf, SimplifiedToTraditional(u"头" + lowHalf));
}

}  // namespace
}  // namespace pw
