#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

#include "platform/fake/FakeUi.h"
#include "settings/NumberText.h"
#include "settings/Registry.h"

using namespace std::string_literals;
namespace pw {
namespace {

using fake::FakeRegistry;

constexpr std::u16string_view kFolder = u"C:\\程序\\PenWick";

TEST(NumberText, WholeAndFractionalNumbersHaveNoBlankAndUseAPoint) {
    EXPECT_EQ(NumText(std::int64_t{-32768}), u"-32768");
    const std::pair<float, std::u16string_view> cases[] = {
        {3255.0f, u"3255"}, {12.5f, u"12.5"}, {-0.0f, u"0"}, {1234567.0f, u"1234567"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(NumText(value), text) << value;
}

TEST(NumberText, NumberValueReadsTheLeadingNumberOnly) {
    // An exponent without digits is not one; full-width digits are not digits here.
    const std::pair<std::u16string_view, double> cases[] = {
        {u"", 0},       {u"abc", 0}, {u"  42abc", 42}, {u"-17.25", -17.25}, {u".5", 0.5},
        {u"1e3", 1000}, {u"2e", 2},  {u"-", 0},        {u"１２", 0}};
    for (const auto& c : cases) EXPECT_EQ(NumberValue(c.first), c.second) << "case " << &c - cases;
}

TEST(NumberText, RoundingTakesHalvesToEvenAndRefusesOutOfRange) {
    const std::pair<double, std::optional<std::int16_t>> cases[] = {
        {250.5, 250},  {251.5, 252},       {-2.5, -2},  {32767.4, 32767},
        {32767.5, {}}, {-32768.5, -32768}, {-32769, {}}};
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundToInt16(value), rounded) << value;
    EXPECT_EQ(RoundToInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(RoundToInt32(1e300 * 10), std::nullopt);
}

TEST(NumberText, BoolRuleIgnoresCaseButNothingElse) {
    // The text, and what it reads as when the fallback is false and when it is true.
    const std::tuple<std::u16string_view, bool, bool> cases[] = {
        {u"TRUE", true, true}, {u"tRuE", true, true},   {u"False", false, false},
        {u"1", false, true},   {u" true", false, true}, {u"", false, true}};
    for (const auto& c : cases) {
        const auto& [text, ifFalse, ifTrue] = c;
        EXPECT_EQ(BoolRule(text, false), ifFalse) << "case " << &c - cases;
        EXPECT_EQ(BoolRule(text, true), ifTrue) << "case " << &c - cases;
    }
}

TEST(RegistryAccess, ReadsOnlyPlainStringsUpToTheFirstNul) {
    FakeRegistry reg;
    const std::u16string key = u"Software\\Test";
    reg.set(RegRoot::CurrentUser, key, u"plain", {RegType::String, u"abc\0def"s});
    reg.set(RegRoot::CurrentUser, key, u"unterminated", {RegType::String, u"xyz"});
    reg.set(RegRoot::CurrentUser, key, u"number", {RegType::Number, u"\x0005"});
    reg.set(RegRoot::CurrentUser, key, u"expand", {RegType::ExpandString, u"%TEMP%"});
    EXPECT_EQ(ReadRegString(reg, RegRoot::CurrentUser, key, u"plain"), u"abc");
    EXPECT_EQ(ReadRegString(reg, RegRoot::CurrentUser, key, u"unterminated"), u"xyz");
    EXPECT_EQ(ReadRegString(reg, RegRoot::CurrentUser, key, u"number"), u"");
    EXPECT_EQ(ReadRegString(reg, RegRoot::CurrentUser, key, u"expand"), u"");
    EXPECT_EQ(ReadRegString(reg, RegRoot::CurrentUser, key, u"missing"), u"");
    EXPECT_EQ(ReadRegString(reg, RegRoot::LocalMachine, key, u"plain"), u"");
}

class SettingsTest : public ::testing::Test {
  protected:
    void Store(std::u16string_view name, std::u16string_view text) {
        reg.setString(RegRoot::CurrentUser, kSettingsKey, name, text);
    }
    Settings Load() {
        Settings s;
        LoadSettings(reg, kFolder, s);
        return s;
    }
    FakeRegistry reg;
};

TEST_F(SettingsTest, AFirstStartSavesTheDefaultsInOrder) {
    SaveSettings(reg, kFolder, Load());
    const std::pair<std::u16string_view, std::u16string_view> written[] = {
        {u"Left", u"3255"},      {u"Top", u"2355"},
        {u"Width", u"5325"},     {u"Height", u"4560"},
        {u"QuickSave", u"True"}, {u"PlaySound", u"True"},
        {u"ShowMain", u"False"}, {u"SoundFile", u"C:\\程序\\PenWick\\Add.wav"},
        {u"AddSave", u"False"},  {u"GetClip", u"True"},
        {u"ClipRate", u"1000"},  {u"Limit", u"0"},
        {u"InitDir", kFolder},   {u"DelSaved", u"False"},
        {u"Path", kFolder},      {u"Version", u"1.10.0031"}};
    ASSERT_EQ(reg.writes.size(), std::size(written));
    for (std::size_t i = 0; i < std::size(written); ++i) {
        const auto [name, text] = written[i];
        EXPECT_EQ(reg.writes[i], name);
        const bool machine = name == u"Path" || name == u"Version";
        EXPECT_EQ(
            reg.text(machine ? RegRoot::LocalMachine : RegRoot::CurrentUser, kSettingsKey, name),
            text)
            << "value " << i;
    }
}

TEST_F(SettingsTest, PlacementZeroMeansMissingButNegativeStays) {
    Store(u"Left", u"0");
    Store(u"Top", u"-120");
    Store(u"Width", u"abc");
    Store(u"Height", u"6000.5");
    const Settings s = Load();
    EXPECT_EQ(s.Left, 3255);
    EXPECT_EQ(s.Top, -120);
    EXPECT_EQ(s.Width, 5325);
    EXPECT_EQ(s.Height, 6000.5);
}

TEST_F(SettingsTest, ClipRateAndLimitFallBackWhenOutOfRange) {
    struct Case {
        std::u16string stored;
        int rate;
    } cases[] = {{u"0", 1000},    {u"abc", 1000},  {u"32768", 1000}, {u"-32769", 1000},
                 {u"250.5", 250}, {u"251.5", 252}, {u"-40", -40},    {u"32767", 32767}};
    for (const auto& c : cases) {
        Store(u"ClipRate", c.stored);
        EXPECT_EQ(Load().ClipRate, c.rate) << "stored text index " << (&c - cases);
    }
    Store(u"Limit", u"2147483648");
    EXPECT_EQ(Load().Limit, 0);
    Store(u"Limit", u"-2147483648");
    EXPECT_EQ(Load().Limit, INT32_MIN);
}

TEST_F(SettingsTest, BadlyTypedValuesReadAsAbsent) {
    reg.set(RegRoot::CurrentUser, kSettingsKey, u"GetClip", {RegType::Number, u"\0"s});
    reg.set(RegRoot::CurrentUser, kSettingsKey, u"AddSave", {RegType::ExpandString, u"True"});
    reg.set(RegRoot::CurrentUser, kSettingsKey, u"ClipRate", {RegType::Binary, u"\x10\x27"});
    const Settings s = Load();
    EXPECT_TRUE(s.GetClip);
    EXPECT_FALSE(s.AddSave);
    EXPECT_EQ(s.ClipRate, 1000);
}

TEST_F(SettingsTest, SavedValuesReadBackAsTheyWere) {
    Settings s = Load();
    s.Left = -300;
    s.Width = 7000.5f;
    s.ClipRate = -40;
    s.Limit = 12;
    s.GetClip = false;
    s.SoundFile = u"D:\\声音\\叮咚.wav";
    s.InitDir = u"D:\\笔记";
    SaveSettings(reg, kFolder, s);
    const Settings b = Load();
    const auto fields = [](const Settings& x) {
        return std::tie(x.Left, x.Width, x.ClipRate, x.Limit, x.GetClip, x.SoundFile, x.InitDir);
    };
    EXPECT_EQ(fields(b), fields(s));
}

TEST_F(SettingsTest, RefusedMachineWideWritesDoNotStopTheRest) {
    reg.readOnlyMachine = true;
    SaveSettings(reg, kFolder, Load());
    EXPECT_EQ(reg.text(RegRoot::CurrentUser, kSettingsKey, u"DelSaved"), u"False");
    EXPECT_EQ(reg.text(RegRoot::LocalMachine, kSettingsKey, u"Version"), std::nullopt);
}

TEST(VersionText, PadsMinorAndRevision) {
    EXPECT_EQ(VersionText({1, 10, 31}), u"1.10.0031");
    EXPECT_EQ(VersionText({1, 5, 31}), u"1.05.0031");
    EXPECT_EQ(VersionText({2, 0, 12345}), u"2.0.12345");
}

}  // namespace
}  // namespace pw
