// Capturing and saving through a real clipboard, the real file dialogs and message boxes into
// real files.
#include <filesystem>
#include <tuple>

#include "Harness.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class Saving : public PenWick {
  protected:
    void SetUp() override {
        PenWick::SetUp();
        fs::remove_all(folder);
        fs::create_directory(folder);
    }
    std::wstring In(std::wstring_view name) { return folder + L"\\" + std::wstring(name); }
    // Puts a text into the panel on show through the clipboard, surrogate pairs included.
    void Put(std::wstring_view text) {
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
        HWND dialog = program->waitForWindow(title);
        // The file name box: an edit inside the name combo box.
        HWND edit = nullptr;
        poll([&] {
            return (edit = child(child(child(dialog, L"ComboBoxEx32"), L"ComboBox"), L"Edit"));
        });
        EXPECT_TRUE(dialog && edit) << "no file dialog for " << command;
        whileOpen();
        send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        post(dialog, WM_COMMAND, IDOK);
        return dialog;
    }
    // Waits for the file to reach the size of these bytes, then expects exactly them. The size
    // is read without opening the file: the program replaces a file by renaming another over
    // it, which Wine refuses while anyone has it open. The rename itself holds the file open for
    // a moment after the new size shows, so the read is tried again for a short while.
    void ExpectFile(const std::wstring& path, const std::string& bytes) {
        WIN32_FILE_ATTRIBUTE_DATA file{};
        poll(
            [&] {
                return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file) &&
                       file.nFileSizeLow == bytes.size();
            },
            60s);
        std::string got;
        poll([&] { return (got = ReadBytes(path)) == bytes; }, 2s);
        EXPECT_TRUE(got == bytes) << ::testing::PrintToString(got.substr(0, 64));
    }

    const std::wstring folder = (fs::temp_directory_path() / L"保存的笔记").wstring();
};

TEST_F(Saving, QuickSaveAsksBeforeReplacingALockedFileIsReportedAndAnAppendReadsTheCodePage) {
    StoreSetting(L"DelSaved", L"True");
    for (const wchar_t* name : {L"q01.txt", L"locked.txt"})
        std::ofstream(fs::path(In(name)), std::ios::binary) << "old";
    Launch();
    Put(L"中文");
    Save("SaveAll", L"保存所有面板 - 快速保存", In(L"q.txt"));
    HWND question = WaitForBox();
    EXPECT_EQ(messageText(question), L"文件" + In(L"q01.txt") + L"已存在，您要更换文件名吗？");
    ASSERT_TRUE(answer(question, IDNO));
    ExpectFile(In(L"q01.txt"), "\xD6\xD0\xCE\xC4\r\n");

    // A file held open by another program is reported, and its panel stays.
    ASSERT_TRUE(WaitPosition(L"1/1"));
    Put(L"留下");
    const std::wstring target = In(L"locked.txt");
    HANDLE lock = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    HWND dialog = Save("SaveCurrent", L"保存第1个面板", target);
    // The dialog asks before replacing the file, in its own box with its own title.
    ASSERT_TRUE(answer(program->waitForWindow(L"保存第1个面板", dialog), IDYES));
    HWND box = WaitForBox();
    EXPECT_EQ(messageText(box), L"无法写入文件" + target + L"！");
    ASSERT_TRUE(answer(box, IDOK));
    CloseHandle(lock);
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    ASSERT_TRUE(post(main, WM_CLOSE));  // as another program closes it
    ASSERT_TRUE(program->waitForExit());
    EXPECT_EQ(Setting(L"InitDir"), folder);

    // Appending a text the code page lacks (the smiley) turns an ANSI file into UTF-8 whole; a
    // UTF-8 file without a mark and a UTF-16 one keep their encoding.
    StoreSetting(L"AddSave", L"True");
    Launch();
    std::ofstream(fs::path(In(L"u8.txt")), std::ios::binary) << "旧\n";
    std::ofstream(fs::path(In(L"u16.txt")), std::ios::binary) << "\xFE\xFF\x65\xE7\0\r"s;
    const std::pair<const wchar_t*, std::string> appends[] = {
        {L"q01.txt", "\xEF\xBB\xBF中文\r\n\r\n甲\xF0\x9F\x98\x80\r\n"},
        {L"u8.txt", "旧\n\r\n\r\n甲\xF0\x9F\x98\x80\r\n"},
        {L"u16.txt", "\xFE\xFF\x65\xE7\0\r\0\n\0\r\0\n\x75\x32\xD8\x3D\xDE\0\0\r\0\n"s}};
    for (const auto& [name, bytes] : appends) {
        Put(L"甲\U0001F600");
        Save("SaveAll", L"保存所有面板 - 追加保存", In(name));
        ExpectFile(In(name), bytes);
    }
}

using Capture = Saving;

TEST_F(Capture, PrivateTextsStayOutAndAFiveMegabyteTextHeldOpenForSecondsComesBackWhole) {
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
    ASSERT_TRUE(post(main, WM_SYSCOMMAND, SC_CLOSE));  // the close box only hides
    ASSERT_TRUE(poll([&] { return !IsWindowVisible(main); }));
    // What a password manager marks private is never captured; allowed into the history, the
    // text is an ordinary one, which fills the empty panel.
    const std::tuple<const wchar_t*, const wchar_t*, DWORD> marked[] = {
        {L"s3cret-1", L"ExcludeClipboardContentFromMonitorProcessing", 0},
        {L"s3cret-2", L"CanIncludeInClipboardHistory", 0},
        {L"not secret", L"CanIncludeInClipboardHistory", 1}};
    for (const auto& [text, format, value] : marked) {
        ASSERT_TRUE(ClipboardLock(text, format, value).held());
        Sleep(800);  // several ticks
    }
    EXPECT_TRUE(WaitContent(L"not secret"));
    {
        ClipboardLock lock(big);
        ASSERT_TRUE(lock.held());
        Sleep(3000);  // many ticks of the 100 ms timer that find it locked
        EXPECT_EQ(windowText(go), L"1/1");
    }
    ASSERT_TRUE(poll(
        [&] { return send(content, WM_GETTEXTLENGTH) == static_cast<LRESULT>(big.size()); }, 60s));
    EXPECT_EQ(windowText(go), L"2/2");

    ASSERT_TRUE(Tray(WM_RBUTTONDOWN));
    // The menu window may exist a moment before it shows.
    HWND menu = nullptr;
    ASSERT_TRUE(poll([&] {
        for (HWND w : program->windows(L"#32768"))
            if (IsWindowVisible(w)) menu = w;
        return menu != nullptr;
    })) << "no pop-up menu on show";
    // Esc closes it without choosing anything.
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(poll([&] { return !IsWindowVisible(menu); }));
    EXPECT_FALSE(IsWindowVisible(main));

    Command("GoFirst", 120s);  // paged away and back, the panel refills the text box
    Command("GoLast", 120s);
    EXPECT_TRUE(windowText(content) == big) << "the text came back changed";
    Save("SaveCurrent", L"保存第2个面板", In(L"big.txt"));
    ExpectFile(In(L"big.txt"), saved + "\r\n");
}

// Clipboard ticks keep coming while the save dialog waits; with the window on the screen they
// capture nothing, so no warning about the full list comes up over the dialog. Hidden, a copy
// brings the warning, once, while the ticks go on behind it.
TEST_F(Saving, WithNinetyNinePanelsACopyDuringTheSaveDialogChangesNothingAndAHiddenOneWarnsOnce) {
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

    ASSERT_TRUE(post(main, WM_SYSCOMMAND, SC_CLOSE));  // the close box only hides
    ASSERT_TRUE(poll([&] { return !IsWindowVisible(main); }));
    ASSERT_TRUE(setClipboardText(L"one too many"));
    HWND box = WaitForBox();
    EXPECT_EQ(messageText(box), L"已有99个面板，不能再加了！");
    Sleep(800);  // several ticks
    EXPECT_FALSE(program->waitForWindow(wide(pw::kProductName), box, 0s)) << "a second box";
    ASSERT_TRUE(answer(box, IDOK));
    EXPECT_FALSE(WaitForBox(1s)) << "a second warning for the same text";
    EXPECT_EQ(windowText(content), L"第九十九");
}

}  // namespace
}  // namespace e2e
