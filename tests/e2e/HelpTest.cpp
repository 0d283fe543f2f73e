// The help commands as the shell sees them, and the About dialog on a real window.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PenWickFixture.h"

namespace e2e {
namespace {

constexpr std::wstring_view kAboutCaption = L"关于PenWick";

// .chm and .txt open with PWRecord.exe while a test runs, the way a user's help viewer and
// editor would open them.
class HelpCommands : public PenWick {
  protected:
    void SetUp() override {
        PenWick::SetUp();
        const std::wstring command = L"\"" + driverDirectory() + L"\\PWRecord.exe\" \"%1\"";
        const std::wstring verb = std::wstring(kProgId) + L"\\shell\\open\\command";
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, verb.c_str(), nullptr, REG_SZ, command.c_str(),
                                  Bytes(command)),
                  ERROR_SUCCESS);
        for (const wchar_t* extension : {L".chm", L".txt"}) {
            saved_.push_back({extension, DefaultValue(extension)});
            ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, extension, nullptr, REG_SZ, kProgId,
                                      Bytes(kProgId)),
                      ERROR_SUCCESS);
        }
        DeleteFileW(record_.c_str());
    }
    void TearDown() override {
        for (const auto& [extension, value] : saved_)
            RegSetKeyValueW(HKEY_CLASSES_ROOT, extension.c_str(), nullptr, REG_SZ, value.c_str(),
                            Bytes(value));
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
        DeleteFileW(record_.c_str());
    }
    // File, working folder and show command, as the started program got them.
    std::wstring Recorded() {
        if (!poll([&] { return GetFileAttributesW(record_.c_str()) != INVALID_FILE_ATTRIBUTES; }))
            return L"<nothing started>";
        std::stringstream bytes;
        bytes << std::ifstream(std::filesystem::path(record_), std::ios::binary).rdbuf();
        DeleteFileW(record_.c_str());
        const std::string data = bytes.str();
        return std::wstring(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2);
    }

  private:
    static constexpr wchar_t kProgId[] = L"PenWick.Test.Recorder";
    static DWORD Bytes(std::wstring_view text) {
        return static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    }
    static std::wstring DefaultValue(const wchar_t* key) {
        wchar_t value[256] = {};
        DWORD size = sizeof value;
        RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &size);
        return value;
    }
    std::vector<std::pair<std::wstring, std::wstring>> saved_;
    const std::wstring record_ = driverDirectory() + L"\\shell-record.txt";
};

TEST_F(HelpCommands, HelpAndReadMeOpenFromTheProgramFolderMaximisedWhateverTheCurrentFolder) {
    // Started from another folder: the paths still come from the program's own.
    ASSERT_TRUE(program.start(L"C:\\"));
    main = program.waitForWindow();
    ASSERT_TRUE(main);
    const std::wstring folder = driverDirectory();
    const std::pair<const char*, std::wstring> cases[] = {
        {"HelpContent", L"PWick.chm"},
        {"HelpReadMe", L"readme.txt"},
    };
    for (const auto& [item, file] : cases) {
        Command(item);
        EXPECT_EQ(Recorded(), folder + L"\\" + file + L"\n" + folder + L"\n" +
                                  std::to_wstring(SW_SHOWMAXIMIZED) + L"\n");
    }
}

using AboutDialog = PenWick;

std::vector<HWND> VisibleAboutDialogs(DWORD pid) {
    std::vector<HWND> shown;
    for (HWND w : topWindows(pid))
        if (isVisible(w) && windowText(w) == kAboutCaption) shown.push_back(w);
    return shown;
}

TEST_F(AboutDialog, OpensOnceShowsTheVersionAndEveryWayOfClosingFocusesTheMainWindow) {
    Launch();
    const std::pair<const char*, void (*)(HWND)> closers[] = {
        {"OK", [](HWND dialog) { click(findChild(dialog, L"Button", L"确定")); }},
        {"Enter",
         [](HWND dialog) { post(findChild(dialog, L"Button", L"确定"), WM_KEYDOWN, VK_RETURN); }},
        {"Esc",
         [](HWND dialog) { post(findChild(dialog, L"Button", L"确定"), WM_KEYDOWN, VK_ESCAPE); }},
        {"close box", [](HWND dialog) { postClose(dialog); }},
    };
    for (const auto& [name, close] : closers) {
        SCOPED_TRACE(name);
        Command("HelpAbout");
        const HWND dialog = waitFor([&] {
            const auto shown = VisibleAboutDialogs(program.pid());
            return shown.empty() ? HWND{} : shown.front();
        });
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(findChild(dialog, L"Static", L"版本：1.10，第31次编译"));
        Command("HelpAbout");
        EXPECT_EQ(VisibleAboutDialogs(program.pid()).size(), 1u);
        ASSERT_TRUE(poll([&] { return GetForegroundWindow() == dialog; }));
        close(dialog);
        EXPECT_TRUE(poll([&] { return VisibleAboutDialogs(program.pid()).empty(); }));
        EXPECT_TRUE(poll([&] { return GetForegroundWindow() == main; }));
    }
}

}  // namespace
}  // namespace e2e
