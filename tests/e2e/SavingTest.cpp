// Saving through the real file dialogs, message boxes and files on disk.
#include "PenWickFixture.h"

namespace e2e {
namespace {

std::optional<std::string> ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD done = 0;
    const BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    bytes.resize(done);
    return bytes;
}

bool WriteBytes(const std::wstring& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD done = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
    return ok && done == bytes.size();
}

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// A visible dialog of the process with this caption. The file dialogs list the folder first,
// which takes a while on a busy machine.
HWND WaitForDialog(DWORD pid, std::wstring_view caption) {
    return waitFor(
        [&] {
            for (HWND w : topWindows(pid, L"#32770"))
                if (isVisible(w) && windowText(w) == caption) return w;
            return HWND{};
        },
        30s);
}

// The first edit among the window's descendants.
HWND FindEdit(HWND window) {
    HWND found = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM out) {
            wchar_t name[16];
            if (!GetClassNameW(child, name, 16) || std::wstring_view(name) != L"Edit") return TRUE;
            *reinterpret_cast<HWND*>(out) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
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
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"保存的笔记";
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const auto& name : FilesIn(folder)) DeleteFileW((folder + L"\\" + name).c_str());
    }
    std::wstring In(std::wstring_view name) { return folder + L"\\" + std::wstring(name); }

    // Puts a text into the panel on show through the clipboard, surrogate pairs included.
    void Put(std::wstring_view text) {
        ASSERT_TRUE(setClipboardText(text));
        ASSERT_TRUE(send(content, WM_PASTE));
        ASSERT_TRUE(WaitContent(text));
    }
    void AddPanel(std::wstring_view text) {
        Command("PanelNew");
        Put(text);
    }
    // Runs a save command; the dialog it opens is returned, not yet answered.
    HWND StartSave(std::string_view command, std::wstring_view title) {
        EXPECT_TRUE(postCommand(main, MenuCommand(command)));
        HWND dialog = WaitForDialog(program.pid(), title);
        EXPECT_TRUE(dialog) << "no dialog for " << command;
        return dialog;
    }
    // Types a name into the dialog and confirms it.
    void Choose(HWND dialog, const std::wstring& name) {
        // The file name box: an edit inside the name combo box.
        HWND edit = waitFor([&] { return FindEdit(dialog); });
        ASSERT_TRUE(edit);
        ASSERT_TRUE(send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str())));
        ASSERT_TRUE(post(dialog, WM_COMMAND, IDOK));
    }
    void Save(std::string_view item, std::wstring_view title, const std::wstring& name) {
        HWND dialog = StartSave(item, title);
        ASSERT_TRUE(dialog);
        Choose(dialog, name);
        ASSERT_TRUE(WaitGone(dialog));
    }
    bool WaitFile(const std::wstring& path, const std::string& bytes) {
        return poll([&] { return ReadBytes(path) == bytes; });
    }

    std::wstring folder;
};

TEST_F(Saving, EachModeWritesItsFileThroughTheRealDialog) {
    Launch();
    Put(L"中文");
    AddPanel(L"\U0001F600");
    Save("SaveAll", L"保存所有面板 - 快速保存", In(L"q.txt"));
    EXPECT_TRUE(WaitFile(In(L"q01.txt"), "\xD6\xD0\xCE\xC4\r\n"));
    EXPECT_TRUE(WaitFile(In(L"q02.txt"), kBom + kSmiley + "\r\n"));
    // A bare name lands in the folder written last: the dialog opened there.
    Save("SaveCurrent", L"保存第2个面板", L"c.txt");
    EXPECT_TRUE(WaitFile(In(L"c.txt"), kBom + kSmiley + "\r\n"));
    Exit();
    EXPECT_EQ(Setting(L"InitDir"), folder);

    // Appending a text the code page lacks turns the old file into UTF-8 whole.
    StoreSetting(L"AddSave", L"True");
    Launch();
    Put(L"甲");
    AddPanel(L"\U0001F600");
    Save("SaveAll", L"保存所有面板 - 追加保存", In(L"q01.txt"));
    EXPECT_TRUE(WaitFile(In(L"q01.txt"), kBom + "中文\r\n\r\n甲\r\n\r\n" + kSmiley + "\r\n"));
    Exit();

    StoreSetting(L"AddSave", L"False");
    StoreSetting(L"QuickSave", L"False");
    Launch();
    Put(L"乙");
    Save("SaveAll", L"保存第1个面板", In(L"each.txt"));
    EXPECT_TRUE(WaitFile(In(L"each.txt"), "\xD2\xD2\r\n"));
    EXPECT_EQ(FilesIn(folder).size(), 4u);
}

TEST_F(Saving, QuickSaveAsksBeforeReplacingANumberedFile) {
    ASSERT_TRUE(WriteBytes(In(L"m01.txt"), "old 1"));
    ASSERT_TRUE(WriteBytes(In(L"m02.txt"), "old 2"));
    Launch();
    Put(L"一");
    AddPanel(L"二");
    Save("SaveAll", L"保存所有面板 - 快速保存", In(L"m.txt"));

    HWND question = WaitForDialog(program.pid(), kBoxCaption);
    ASSERT_TRUE(question);
    EXPECT_EQ(messageText(question), L"文件" + In(L"m01.txt") + L"已存在，您要更换文件名吗？");
    ASSERT_TRUE(answer(question, IDYES));
    HWND rename = WaitForDialog(program.pid(), L"保存一个面板");
    ASSERT_TRUE(rename);
    ASSERT_TRUE(post(rename, WM_COMMAND, IDCANCEL));
    ASSERT_TRUE(WaitGone(rename));
    question = WaitForDialog(program.pid(), kBoxCaption);
    ASSERT_TRUE(question);
    ASSERT_TRUE(answer(question, IDNO));

    EXPECT_TRUE(WaitFile(In(L"m01.txt"), "\xD2\xBB\r\n"));
    EXPECT_TRUE(WaitFile(In(L"m02.txt"), "\xB6\xFE\r\n"));
}

TEST_F(Saving, AFileHeldOpenByAnotherProgramIsReportedAndNothingIsLost) {
    StoreSetting(L"DelSaved", L"True");
    const std::wstring target = In(L"locked.txt");
    ASSERT_TRUE(WriteBytes(target, "old"));
    Launch();
    Put(L"留下");

    HWND dialog = StartSave("SaveCurrent", L"保存第1个面板");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(post(dialog, WM_COMMAND, IDCANCEL));
    ASSERT_TRUE(WaitGone(dialog));

    HANDLE lock = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    dialog = StartSave("SaveCurrent", L"保存第1个面板");
    ASSERT_TRUE(dialog);
    Choose(dialog, target);
    // The dialog asks before replacing the existing file: its own box, with the same title.
    HWND replace = waitFor([&] {
        for (HWND w : topWindows(program.pid(), L"#32770"))
            if (w != dialog && isVisible(w) && windowText(w) == L"保存第1个面板") return w;
        return HWND{};
    });
    ASSERT_TRUE(replace);
    ASSERT_TRUE(answer(replace, IDYES));

    HWND box = WaitForDialog(program.pid(), kBoxCaption);
    ASSERT_TRUE(box);
    EXPECT_EQ(messageText(box), L"无法写入文件" + target + L"！");
    ASSERT_TRUE(answer(box, IDOK));
    CloseHandle(lock);

    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"locked.txt"});
    EXPECT_EQ(Position(), L"1/1");
    EXPECT_TRUE(WaitContent(L"留下"));
}

}  // namespace
}  // namespace e2e
