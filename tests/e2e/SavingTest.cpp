// Saving through the real file dialogs and message boxes into real files.
#include <filesystem>
#include <fstream>

#include "Harness.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kUtf8Smiley = "\xEF\xBB\xBF\xF0\x9F\x98\x80\r\n";  // code page 936 lacks it

class Saving : public PenWick {
  protected:
    void SetUp() override {
        PenWick::SetUp();
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
    // Runs a save command and chooses this name in the file dialog it opens, after whileOpen;
    // returns the dialog.
    HWND Save(
        std::string_view command, std::wstring_view title, const std::wstring& name,
        const std::function<void()>& whileOpen = [] {}) {
        EXPECT_TRUE(PostCommand(command));
        HWND dialog = program.waitForWindow(title);
        // The file name box: an edit inside the name combo box.
        HWND edit = waitFor(
            [&] { return child(child(child(dialog, L"ComboBoxEx32"), L"ComboBox"), L"Edit"); });
        EXPECT_TRUE(dialog && edit) << "no file dialog for " << command;
        whileOpen();
        send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        post(dialog, WM_COMMAND, IDOK);
        return dialog;
    }
    // Waits for the file to hold exactly these bytes; else says what it holds.
    void ExpectFile(const std::wstring& path, const std::string& bytes) {
        poll([&] { return ReadBytes(path) == bytes; }, 60s);
        const auto got = ReadBytes(path);
        EXPECT_TRUE(got == bytes) << (got ? std::to_string(got->size()) + " bytes: " +
                                                ::testing::PrintToString(got->substr(0, 64))
                                          : "no file");
    }

    const std::wstring folder = (fs::temp_directory_path() / L"保存的笔记").wstring();
};

TEST_F(Saving, QuickSaveAsksBeforeReplacingAndAnAppendReadsTheOldFileInTheCodePage) {
    Write(L"q01.txt", "old");
    Launch();
    Put(L"中文");
    Put(L"\U0001F600", true);
    Save("SaveAll", L"保存所有面板 - 快速保存", In(L"q.txt"));
    HWND question = WaitForBox();
    ASSERT_TRUE(question);
    EXPECT_EQ(messageText(question), L"文件" + In(L"q01.txt") + L"已存在，您要更换文件名吗？");
    ASSERT_TRUE(answer(question, IDNO));
    ExpectFile(In(L"q01.txt"), "\xD6\xD0\xCE\xC4\r\n");
    ExpectFile(In(L"q02.txt"), kUtf8Smiley);
    Close();
    EXPECT_EQ(Setting(L"InitDir"), folder);

    // Appending a text the code page lacks turns the old file into UTF-8 whole.
    StoreSetting(L"AddSave", L"True");
    Launch();
    Put(L"甲");
    Put(L"\U0001F600", true);
    Save("SaveAll", L"保存所有面板 - 追加保存", In(L"q01.txt"));
    ExpectFile(In(L"q01.txt"), "\xEF\xBB\xBF中文\r\n\r\n甲\r\n\r\n\xF0\x9F\x98\x80\r\n");
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
    // The dialog asks before replacing the file, in its own box with its own title.
    HWND replace = program.waitForWindow(L"保存第1个面板", dialog);
    ASSERT_TRUE(replace);
    ASSERT_TRUE(answer(replace, IDYES));

    HWND box = WaitForBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(messageText(box), L"无法写入文件" + target + L"！");
    ASSERT_TRUE(answer(box, IDOK));
    CloseHandle(lock);
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_EQ(windowText(go), L"1/1");
    EXPECT_TRUE(WaitContent(L"留下"));
}

TEST_F(Saving, AFiveMegabyteCaptureComesBackWholeThroughTheTextBoxAndASave) {
    StoreSetting(L"ClipRate", L"100");
    StoreSetting(L"PlaySound", L"False");
    // Lines of a usual length: Wine's text box is slow with hundreds of thousands of lines.
    std::wstring big;
    std::string saved;  // in code page 936, where 第 is B5 DA
    for (int i = 0; big.size() < 5 * 1024 * 1024; ++i) {
        const std::string line = std::to_string(i) + ": a line of a usual length, in ASCII.\r\n";
        big += L"第" + std::wstring(line.begin(), line.end());
        saved += "\xB5\xDA" + line;
    }
    Launch();
    Hide();
    ASSERT_TRUE(setClipboardText(big));
    ASSERT_TRUE(poll([&] { return send(content, WM_GETTEXTLENGTH).value_or(0) > 0; }, 60s));
    Command("PanelNew", 120s);
    Command("GoFirst", 120s);
    ASSERT_TRUE(WaitPosition(L"1/2"));
    // Through the program's own select-all and copy, so that a text of any size comes out whole.
    ASSERT_TRUE(ClipboardLock().held());
    Command("EditAll");
    send(content, WM_COPY, 0, 0, 60s);
    const std::wstring back = clipboardText().value_or(L"<nothing copied>");
    EXPECT_EQ(back.size(), big.size());
    EXPECT_TRUE(back == big) << "the text came back changed";
    Save("SaveCurrent", L"保存第1个面板", In(L"big.txt"));
    ExpectFile(In(L"big.txt"), saved + "\r\n");
}

// Clipboard ticks keep coming while the save dialog waits; with the window on the screen they
// capture nothing, so no warning about the full list comes up over the dialog.
TEST_F(Saving, WithNinetyNinePanelsACopyDuringTheSaveDialogChangesNothing) {
    StoreSetting(L"ClipRate", L"100");
    Launch();
    for (int i = 1; i < 99; ++i) Command("PanelNew");
    ASSERT_TRUE(WaitPosition(L"99/99"));
    Put(L"第九十九");
    Save("SaveCurrent", L"保存第99个面板", In(L"p99.txt"), [&] {
        ASSERT_TRUE(setClipboardText(L"copied while the dialog is open"));
        EXPECT_FALSE(WaitForBox(1s)) << "a message box came up";
    });
    ExpectFile(In(L"p99.txt"), "\xB5\xDA\xBE\xC5\xCA\xAE\xBE\xC5\r\n");
    EXPECT_EQ(windowText(go), L"99/99");
    EXPECT_EQ(windowText(content), L"第九十九");
}

}  // namespace
}  // namespace e2e
