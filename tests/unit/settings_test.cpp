#include "settings/Settings.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeUi.h"
#include "settings/NumberText.h"

namespace pw {
namespace {

constexpr std::u16string_view kFolder = u"C:\\程序\\PenWick";

// Rounding and the boolean rule are the number-text fuzz target's, reading back what was
// written the settings target's; here exact texts.
TEST(NumberText, WrittenWithoutBlanksAndReadUpToTheFirstNonNumber) {
    const std::pair<float, std::u16string_view> written[] = {
        {3255.0f, u"3255"}, {12.5f, u"12.5"}, {-0.0f, u"0"}, {1234567.0f, u"1234567"}};
    for (const auto& [value, text] : written) EXPECT_EQ(NumText(value), text) << value;
    // An exponent without digits is not one.
    const std::pair<std::u16string_view, double> read[] = {
        {u".5", 0.5}, {u"1e3", 1000}, {u"2e", 2}, {u"-", 0}};
    for (const auto& [text, value] : read) EXPECT_EQ(NumberValue(text), value) << value;
}

// The default values an exit writes are shown end to end and by the options dialog.
TEST(Settings, AnExitWritesEveryValueInOrderEvenWhereMachineWideWritesAreRefused) {
    fake::FakeRegistry reg, limited;
    limited.readOnlyMachine = true;
    Settings s;
    LoadSettings(reg, kFolder, s);
    SaveSettings(reg, kFolder, s);
    SaveSettings(limited, kFolder, s);
    const std::vector<std::u16string> names = {
        u"Left",     u"Top",       u"Width",   u"Height",  u"QuickSave", u"PlaySound",
        u"ShowMain", u"SoundFile", u"AddSave", u"GetClip", u"ClipRate",  u"Limit",
        u"InitDir",  u"DelSaved",  u"Path",    u"Version"};
    EXPECT_EQ(reg.writes, names);
    EXPECT_EQ(reg.text(RegRoot::LocalMachine, kSettingsKey, u"Path"), kFolder);
    EXPECT_EQ(reg.text(RegRoot::CurrentUser, kSettingsKey, u"SoundFile"),
              u"C:\\程序\\PenWick\\Add.wav");
    EXPECT_EQ(limited.writes, std::vector(names.begin(), names.end() - 2));
}

// What the exit writes back for a stored text: a number that reads as 0 or lies outside its
// field leaves the default. That every field stays in range is the settings fuzz target's;
// rounding, negative and fractional values that load are also shown by the tests of the
// program's start and its options dialog.
TEST(Settings, StoredNumbersOutsideTheirFieldsLeaveTheDefault) {
    const std::u16string_view cases[][3] = {{u"Left", u"0", u"3255"},
                                            {u"Height", u"6000.5", u"6000.5"},
                                            {u"ClipRate", u"0", u"1000"},
                                            {u"ClipRate", u"32768", u"1000"},
                                            {u"ClipRate", u"-32769", u"1000"},
                                            {u"Limit", u"2147483648", u"0"},
                                            {u"Limit", u"-2147483648", u"-2147483648"}};
    for (const auto& c : cases) {
        const auto& [name, stored, saved] = c;
        fake::FakeRegistry reg;
        reg.setString(RegRoot::CurrentUser, kSettingsKey, name, stored);
        Settings s;
        LoadSettings(reg, kFolder, s);
        SaveSettings(reg, kFolder, s);
        EXPECT_EQ(reg.text(RegRoot::CurrentUser, kSettingsKey, name), saved)
            << "case " << &c - cases;
    }
}

TEST(VersionText, PadsMinorAndRevision) {
    EXPECT_EQ(VersionText({1, 5, 31}), u"1.05.0031");
    EXPECT_EQ(VersionText({2, 0, 12345}), u"2.0.12345");
}

}  // namespace
}  // namespace pw
