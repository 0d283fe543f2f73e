// Quick save of 99 panels of 1 MB each through the program's own save command and real file
// code, against a plain loop that writes the same bytes to as many files. Run under Wine by
// bench/save_files.sh; prints both times and their ratio.
//   SaveBench.exe FOLDER [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/Win32Files.h"
#include "saving/SaveCommands.h"

namespace {

constexpr int kPanels = 99;
constexpr std::size_t kBytes = 1 << 20;

// No windows: the command needs boxes only for questions and failures, which are counted.
class CountingUi : public pw::Ui {
  public:
    std::unique_ptr<pw::Form> createForm(const pw::FormLayout&, pw::Form*) override {
        return nullptr;
    }
    pw::MsgResult messageBox(pw::Form*, std::u16string_view, std::u16string_view, pw::MsgIcon,
                             pw::MsgButtons) override {
        ++boxes;
        return pw::MsgResult::No;
    }
    std::vector<pw::RectTw> monitors() const override { return {}; }
    void quit() override {}
    int boxes = 0;
};

class ChosenFile : public pw::FileDialog {
  public:
    explicit ChosenFile(std::u16string path) : path_(std::move(path)) {}
    std::optional<std::u16string> show(pw::Form*, const pw::FileDialogRequest&) override {
        return path_;
    }

  private:
    std::u16string path_;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(to.QuadPart - from.QuadPart) / double(f.QuadPart);
}

std::u16string U(const std::wstring& s) { return {s.begin(), s.end()}; }

std::wstring Name(const std::wstring& folder, int i) {
    wchar_t n[16];
    swprintf(n, 16, L"\\b%02d.txt", i);
    return folder + n;
}

void Clear(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 1; i <= kPanels; ++i) DeleteFileW(Name(folder, i).c_str());
}

// What a program that only wants its bytes in the files does.
bool PlainLoop(const std::wstring& folder, const std::vector<std::string>& files) {
    for (int i = 1; i <= kPanels; ++i) {
        HANDLE h = CreateFileW(Name(folder, i).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        const std::string& bytes = files[i - 1];
        DWORD done = 0;
        const BOOL ok =
            WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
            FlushFileBuffers(h);
        CloseHandle(h);
        if (!ok || done != bytes.size()) return false;
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: SaveBench.exe FOLDER [rounds]\n");
        return 2;
    }
    const std::wstring root = argv[1];
    const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
    const std::wstring plain = root + L"\\plain", program = root + L"\\program";
    CreateDirectoryW(root.c_str(), nullptr);

    // Chinese text in lines, as captured pages are: 1 MB in the ANSI code page.
    pw::PanelStore panels;
    pw::win32::Win32AnsiCodePage codePage;
    std::vector<std::string> files;
    const std::u16string line = u"剪贴板上的一段中文文字，第几行都一样。\r\n";
    for (int i = 1; i <= kPanels; ++i) {
        std::u16string text;
        while (text.size() * 2 < kBytes - 2 - line.size() * 2) text += line;
        text += static_cast<char16_t>(u'0' + i % 10);
        if (i > 1) panels.append();
        panels.setText(i, text);
        std::string bytes;
        if (!codePage.encode(text + u"\r\n", bytes)) {
            std::fprintf(stderr, "the ANSI code page cannot hold the text: run with LANG=zh_CN\n");
            return 2;
        }
        files.push_back(std::move(bytes));
    }

    pw::Settings settings;
    settings.QuickSave = true;
    CountingUi ui;
    pw::win32::Win32Files diskFiles;
    ChosenFile dialog(U(program + L"\\b.txt"));
    pw::SaveCommands saving(panels, settings, nullptr, {ui, diskFiles, codePage, dialog}, [] {});

    std::vector<double> plainTimes, programTimes;
    for (int r = 0; r < rounds; ++r) {
        LARGE_INTEGER t0, t1;
        Clear(plain);
        QueryPerformanceCounter(&t0);
        if (!PlainLoop(plain, files)) {
            std::fprintf(stderr, "the plain loop could not write its files\n");
            return 1;
        }
        QueryPerformanceCounter(&t1);
        plainTimes.push_back(Seconds(t0, t1));

        Clear(program);
        QueryPerformanceCounter(&t0);
        saving.SaveAll_Click();
        QueryPerformanceCounter(&t1);
        programTimes.push_back(Seconds(t0, t1));
        if (ui.boxes != 0) {
            std::fprintf(stderr, "the save command showed %d boxes\n", ui.boxes);
            return 1;
        }
    }
    for (int i = 1; i <= kPanels; ++i) {
        HANDLE h = CreateFileW(Name(program, i).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        LARGE_INTEGER size{};
        const bool same = h != INVALID_HANDLE_VALUE && GetFileSizeEx(h, &size) &&
                          static_cast<std::size_t>(size.QuadPart) == files[i - 1].size();
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        if (!same) {
            std::fprintf(stderr, "file %d does not hold the panel\n", i);
            return 1;
        }
    }
    std::printf("rounds (plain / PenWick, s):");
    for (int r = 0; r < rounds; ++r) std::printf(" %.3f/%.3f", plainTimes[r], programTimes[r]);
    std::printf("\n");
    std::sort(plainTimes.begin(), plainTimes.end());
    std::sort(programTimes.begin(), programTimes.end());
    const double p = plainTimes[rounds / 2], s = programTimes[rounds / 2];
    std::printf("quick save of %d panels of 1 MB, median of %d rounds\n", kPanels, rounds);
    std::printf("  plain loop of writes: %.3f s\n  PenWick quick save:   %.3f s\n", p, s);
    std::printf("ratio %.2f\n", s / p);
    return 0;
}
