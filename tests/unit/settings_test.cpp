#include "settings/Settings.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeUi.h"

namespace pw {
namespace {

constexpr std::u16string_view kFolder = u"C:\\程序\\PenWick";

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
    // Name, stored text and the text written back; a 0 is the fuzz target's.
    const std::u16string_view cases[][3] = {{u"Height", u"6000.5", u"6000.5"},
                                            {u"ClipRate", u"32768", u"1000"},
                                            {u"ClipRate", u"-32769", u"1000"},
                                            {u"Limit", u"2147483648", u"0"},
                                            {u"Limit", u"-2147483648", u"-2147483648"}};
    for (const auto& [name, stored, saved] : cases) {
        fake::FakeRegistry reg;
        reg.setString(RegRoot::CurrentUser, kSettingsKey, name, stored);
        Settings s;
        LoadSettings(reg, kFolder, s);
        SaveSettings(reg, kFolder, s);
        EXPECT_EQ(reg.text(RegRoot::CurrentUser, kSettingsKey, name), saved)
            << ::testing::PrintToString(std::u16string(name));
    }
}

}  // namespace
}  // namespace pw
