// Saving through the real file dialogs, message boxes and files on disk.
#include <filesystem>
#include <fstream>

#include "PenWickFixture.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    return {fs::directory_iterator(folder), fs::directory_iterator()};
}

// The file name box: an edit inside the name combo box.
HWND FileNameBox(HWND dialog) {
    HWND combo = FindWindowExW(FindWindowExW(dialog, nullptr, L"ComboBoxEx32", nullptr), nullptr,
                               L"ComboBox", nullptr);
    return FindWindowExW(combo, nullptr, L"Edit", nullptr);
}

bool WaitGone(HWND window) {
    return poll([&] { return !IsWindow(window) || !isVisible(window); });
}

const std::string kBom = "\xEF\xBB\xBF";
const std::string kSmiley = "\xF0\x9F\x98\x80";  // U+1F600, which code page 936 lacks

class Saving : public PenWick {
  protected:
    void SetUp() override {
        PenWick::SetUp();
        folder = (fs::temp_directory_path() / L"保存的笔记").wstring();
        fs::remove_all(folder);
        fs::create_directory(folder);
    }
    std::wstring In(std::wstring_view name) { return folder + L"\\" + std::wstring(name); }
    void Write(std::wstring_view name, std::string_view bytes) {
        std::ofstream(fs::path(In(name)), std::ios::binary) << bytes;
    }

    // Puts a text into the panel on show through the clipboard, surrogate pairs included.
    void Put(std::wstring_view text, bool inNewPanel = false) {
        if (inNewPanel) Command("PanelNew");
        ASSERT_TRUE(setClipboardText(text));
        ASSERT_TRUE(send(content, WM_PASTE));
        ASSERT_TRUE(WaitContent(text));
    }
    HWND StartSave(std::string_view command, std::wstring_view title) {
        EXPECT_TRUE(postCommand(main, MenuCommand(command)));
        HWND dialog = WaitForCaption(title);
        EXPECT_TRUE(dialog) << "no dialog for " << command;
        return dialog;
    }
    // Types a name into the dialog and confirms it.
    void Choose(HWND dialog, const std::wstring& name) {
        HWND edit = dialog ? waitFor([&] { return FileNameBox(dialog); }) : nullptr;
        EXPECT_TRUE(edit) << "no file name box";
        EXPECT_TRUE(send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str())));
        EXPECT_TRUE(post(dialog, WM_COMMAND, IDOK));
    }
    // Runs a save command and types a name into the dialog it opens; the dialog is returned.
    HWND Save(std::string_view command, std::wstring_view title, const std::wstring& name) {
        HWND dialog = StartSave(command, title);
        Choose(dialog, name);
        return dialog;
    }
    ::testing::AssertionResult WaitFile(const std::wstring& path, const std::string& bytes) {
        if (poll([&] { return ReadBytes(path) == bytes; }, 30s))
            return ::testing::AssertionSuccess();
        const auto got = ReadBytes(path);
        std::string hex;
        for (unsigned char c : got.value_or("").substr(0, 64)) {
            hex += "0123456789ABCDEF"[c >> 4];
            hex += "0123456789ABCDEF"[c & 15];
            hex += ' ';
        }
        return ::testing::AssertionFailure()
               << (got ? std::to_string(got->size()) + " bytes: " + hex : "no file");
    }

    std::wstring folder;
};

TEST_F(Saving, QuickAndAppendingSavesWriteTheirFilesThroughTheRealDialog) {
    Launch();
    Put(L"中文");
    Put(L"\U0001F600", true);
    ASSERT_TRUE(WaitGone(Save("SaveAll", L"保存所有面板 - 快速保存", In(L"q.txt"))));
    EXPECT_TRUE(WaitFile(In(L"q01.txt"), "\xD6\xD0\xCE\xC4\r\n"));
    EXPECT_TRUE(WaitFile(In(L"q02.txt"), kBom + kSmiley + "\r\n"));
    // A bare name lands in the folder written last: the dialog opened there.
    ASSERT_TRUE(WaitGone(Save("SaveCurrent", L"保存第2个面板", L"c.txt")));
    EXPECT_TRUE(WaitFile(In(L"c.txt"), kBom + kSmiley + "\r\n"));
    Exit();
    EXPECT_EQ(Setting(L"InitDir"), folder);

    // Appending a text the code page lacks turns the old file into UTF-8 whole.
    StoreSetting(L"AddSave", L"True");
    Launch();
    Put(L"甲");
    Put(L"\U0001F600", true);
    ASSERT_TRUE(WaitGone(Save("SaveAll", L"保存所有面板 - 追加保存", In(L"q01.txt"))));
    EXPECT_TRUE(WaitFile(In(L"q01.txt"), kBom + "中文\r\n\r\n甲\r\n\r\n" + kSmiley + "\r\n"));
}

TEST_F(Saving, QuickSaveAsksBeforeReplacingANumberedFile) {
    Write(L"m01.txt", "old 1");
    Write(L"m02.txt", "old 2");
    Launch();
    Put(L"一");
    Put(L"二", true);
    ASSERT_TRUE(WaitGone(Save("SaveAll", L"保存所有面板 - 快速保存", In(L"m.txt"))));

    HWND question = program.waitForDialog();
    ASSERT_TRUE(question);
    EXPECT_EQ(messageText(question), L"文件" + In(L"m01.txt") + L"已存在，您要更换文件名吗？");
    ASSERT_TRUE(answer(question, IDYES));
    HWND rename = WaitForCaption(L"保存一个面板");
    ASSERT_TRUE(rename);
    ASSERT_TRUE(post(rename, WM_COMMAND, IDCANCEL));
    ASSERT_TRUE(WaitGone(rename));
    question = program.waitForDialog();
    ASSERT_TRUE(question);
    ASSERT_TRUE(answer(question, IDNO));

    EXPECT_TRUE(WaitFile(In(L"m01.txt"), "\xD2\xBB\r\n"));
    EXPECT_TRUE(WaitFile(In(L"m02.txt"), "\xB6\xFE\r\n"));
}

TEST_F(Saving, AFileHeldOpenByAnotherProgramIsReportedAndNothingIsLost) {
    StoreSetting(L"DelSaved", L"True");
    const std::wstring target = In(L"locked.txt");
    Write(L"locked.txt", "old");
    Launch();
    Put(L"留下");

    HANDLE lock = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    HWND dialog = Save("SaveCurrent", L"保存第1个面板", target);
    // The dialog asks before replacing the existing file: its own box, with the same title.
    HWND replace = WaitForCaption(L"保存第1个面板", dialog);
    ASSERT_TRUE(replace);
    ASSERT_TRUE(answer(replace, IDYES));

    HWND box = program.waitForDialog();
    ASSERT_TRUE(box);
    EXPECT_EQ(messageText(box), L"无法写入文件" + target + L"！");
    ASSERT_TRUE(answer(box, IDOK));
    CloseHandle(lock);

    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(FilesIn(folder), std::vector<fs::path>{target});
    EXPECT_EQ(Position(), L"1/1");
    EXPECT_TRUE(WaitContent(L"留下"));
}

// The text in code page 936, as a save writes a text that fits it.
std::string InCodePage936(const std::wstring& text) {
    const int n = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                      0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                        nullptr, nullptr);
    return bytes;
}

TEST_F(Saving, AFiveMegabyteCaptureComesBackWholeThroughTheTextBoxAndASave) {
    StoreSetting(L"ClipRate", L"100");
    StoreSetting(L"PlaySound", L"False");
    // Lines of a usual length: Wine's text box is slow with hundreds of thousands of lines.
    std::wstring big;
    for (std::size_t i = 0; big.size() < 5 * 1024 * 1024; ++i)
        big += L"第" + std::to_wstring(i) +
               L"行：长短寻常的一行 with ASCII text too, as in a usual document.\r\n";
    Launch();
    Hide();
    ASSERT_TRUE(setClipboardText(big));
    ASSERT_TRUE(poll([&] { return send(content, WM_GETTEXTLENGTH).value_or(0) > 0; }, 60s));
    ASSERT_TRUE(sendCommand(main, MenuCommand("PanelNew"), 120s));
    ASSERT_TRUE(sendCommand(main, MenuCommand("GoFirst"), 120s));
    ASSERT_TRUE(WaitPosition(L"1/2"));
    const std::wstring back = CopyContent();
    EXPECT_EQ(back.size(), big.size());
    EXPECT_TRUE(back == big) << "the text came back changed";
    Save("SaveCurrent", L"保存第1个面板", In(L"big.txt"));
    EXPECT_TRUE(
        poll([&] { return ReadBytes(In(L"big.txt")) == InCodePage936(big) + "\r\n"; }, 60s));
}

// Clipboard ticks keep coming while the save dialog waits; with the window on the screen they
// capture nothing, so no warning about the full list comes up over the dialog.
TEST_F(Saving, WithNinetyNinePanelsACopyDuringTheSaveDialogChangesNothing) {
    StoreSetting(L"ClipRate", L"100");
    Launch();
    for (int i = 1; i < 99; ++i) Command("PanelNew");
    ASSERT_TRUE(WaitPosition(L"99/99"));
    Put(L"第九十九");
    HWND dialog = StartSave("SaveCurrent", L"保存第99个面板");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(setClipboardText(L"copied while the dialog is open"));
    Sleep(1000);
    for (HWND w : topWindows(program.pid(), L"#32770"))
        EXPECT_FALSE(isVisible(w) && windowText(w) == kBoxCaption) << "a message box came up";
    Choose(dialog, In(L"p99.txt"));
    ASSERT_TRUE(WaitGone(dialog));
    EXPECT_TRUE(WaitFile(In(L"p99.txt"), "\xB5\xDA\xBE\xC5\xCA\xAE\xBE\xC5\r\n"));
    EXPECT_EQ(Position(), L"99/99");
    EXPECT_EQ(windowText(content), L"第九十九");
}

}  // namespace
}  // namespace e2e
