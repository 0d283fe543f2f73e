#include "settings/Settings.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeUi.h"
#include "settings/Installation.h"

namespace pw {
namespace {

constexpr std::u16string_view kFolder = u"C:\\程序\\PenWick";

// The default values an exit writes are shown end to end and by the options dialog.
TEST(Settings, AnExitWritesEveryValueInOrderEvenWhereMachineWideWritesAreRefused) {
    fake::FakeRegistry reg, limited;
    limited.readOnlyMachine = true;
    Settings s;
    LoadSettings(reg, kFolder, s, [] { return std::u16string(kFolder); });
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

// Where the save dialog opens first: in Documents only for a copy in a folder that only
// administrators can change; a stored folder as it is.
TEST(Settings, OnlyAnInstalledCopyFirstSavesToDocuments) {
    const SystemFolders system{{u"C:\\Program Files", u"C:\\Program Files (x86)\\"},
                               [] { return std::u16string(u"D:\\文档"); }};
    // Program folder, stored InitDir (empty: none), InitDir loaded.
    const std::u16string_view cases[][3] = {
        {u"C:\\Program Files\\PenWick", u"", u"D:\\文档"},
        {u"c:\\PROGRAM FILES (X86)\\Velmora\\PenWick", u"", u"D:\\文档"},
        {u"C:\\Program Files\\PenWick", u"E:\\笔记", u"E:\\笔记"},
        {u"C:\\Program Files Old\\PenWick", u"", u"C:\\Program Files Old\\PenWick"},
        {u"C:\\Program Files\\..\\Temp", u"", u"C:\\Program Files\\..\\Temp"},
    };
    for (const auto& [folder, stored, loaded] : cases) {
        fake::FakeRegistry reg;
        if (!stored.empty()) reg.setString(RegRoot::CurrentUser, kSettingsKey, u"InitDir", stored);
        Settings s;
        LoadSettings(reg, folder, s, [&] { return FirstSaveFolder(folder, system); });
        EXPECT_EQ(s.InitDir, loaded) << ::testing::PrintToString(std::u16string(folder));
    }
}

}  // namespace
}  // namespace pw
