// WineBench.exe: times PWick.exe side by side with BareEdit.exe in the same Wine prefix, each
// job alternating between the two so that a busy machine weighs on both alike.
//   WineBench.exe JOB...
//     typing:MB:KEYS     KEYS characters typed one by one at the end of an MB megabyte text
//     paging:MB:ROUNDS   from an empty panel to one of MB megabytes and back, ROUNDS times;
//                        the bare side sets that text into its box and empties it again
//     startup:ROUNDS     from the start of the process until its main window is visible;
//                        the bare side is a program that creates just one window
// Prints one line per measure: the median (or total) for PenWick, for the bare program, and
// their ratio. Large texts reach the programs through the clipboard: a cross-process
// WM_SETTEXT of more than about 128 KB breaks the receiver under Wine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "BareEdit.h"
#include "BenchText.h"
#include "app/MainLayout.h"
#include "platform/Identity.h"

namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;
constexpr Millis kLongWait = std::chrono::minutes(5);

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class F>
double Timed(F&& f) {
    const auto t0 = Clock::now();
    f();
    return Ms(Clock::now() - t0);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Sum(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return s;
}

void Report(const std::string& what, double penWick, double bare) {
    std::printf("%-46s %10.1f ms %10.1f ms %7.2fx\n", what.c_str(), penWick, bare,
                bare > 0 ? penWick / bare : 0.0);
    std::fflush(stdout);
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "WineBench: %s\n", what);
    std::exit(1);
}

// ---- the few things a driver needs

std::wstring Folder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::wstring PenWickPath() { return Folder() + L"\\PWick.exe"; }
std::wstring BarePath() { return Folder() + L"\\BareEdit.exe"; }
const std::wstring kPenWickCaption(reinterpret_cast<const wchar_t*>(pw::kMainCaption.data()),
                                   pw::kMainCaption.size());

bool Poll(const std::function<bool()>& condition, Millis timeout, Millis interval = Millis(5)) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (Clock::now() >= deadline) return false;
        Sleep(static_cast<DWORD>(interval.count()));
    }
}

// A started program, killed when it goes out of scope.
class Process {
  public:
    Process(const std::wstring& exe, const std::wstring& arguments) {
        std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
        const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &si, &pi))
            Fail("could not start a program");
        CloseHandle(pi.hThread);
        process_ = pi.hProcess;
        pid_ = pi.dwProcessId;
    }
    ~Process() {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 30000);
        CloseHandle(process_);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Its top-level window of this caption, a visible one only unless told otherwise; or null.
    HWND window(const std::wstring& caption, bool visibleOnly = true) const {
        struct Search {
            DWORD pid;
            const std::wstring* caption;
            bool visibleOnly;
            HWND found;
        } search{pid_, &caption, visibleOnly, nullptr};
        EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lp);
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                wchar_t text[64] = L"";
                GetWindowTextW(w, text, 64);
                if (pid != s->pid || *s->caption != text || (s->visibleOnly && !IsWindowVisible(w)))
                    return TRUE;
                s->found = w;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    HWND waitForWindow(const std::wstring& caption) const {
        HWND w = nullptr;
        Poll([&] { return (w = window(caption)) != nullptr; }, std::chrono::seconds(60));
        // Its message loop runs once it waits for input.
        WaitForInputIdle(process_, 60000);
        return w;
    }

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

LRESULT Send(HWND window, UINT message, WPARAM wp = 0, LPARAM lp = 0, Millis timeout = kLongWait) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wp, lp, SMTO_NORMAL,
                             static_cast<UINT>(timeout.count()), &result))
        Fail("a program did not answer");
    return static_cast<LRESULT>(result);
}

bool SetClipboardText(const std::wstring& text) {
    if (!Poll([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(10)))
        return false;
    EmptyClipboard();
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* p = block ? GlobalLock(block) : nullptr;
    bool ok = p != nullptr;
    if (ok) {
        std::memcpy(p, text.c_str(), bytes);
        GlobalUnlock(block);
        ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    }
    if (!ok && block) GlobalFree(block);
    CloseClipboard();
    return ok;
}

const std::wstring kSettingsKey(reinterpret_cast<const wchar_t*>(pw::kSettingsKey.data()),
                                pw::kSettingsKey.size());

void FirstStart() { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey.c_str()); }

// A first start with clipboard watching off, so nothing but the driver touches the panels.
void ResetSettings() {
    FirstStart();
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey.c_str(), L"GetClip", REG_SZ, L"False",
                    sizeof L"False");
}

WPARAM Command(const char* item) {
    const int id = pw::MenuCommandId(pw::MainFormLayout(), item);
    if (id == 0) Fail("no such menu item");
    return static_cast<WPARAM>(id);
}

HWND FirstEdit(HWND parent) {
    HWND edit = nullptr;
    Poll([&] { return (edit = FindWindowExW(parent, nullptr, L"Edit", nullptr)) != nullptr; },
         std::chrono::seconds(30));
    if (!edit) Fail("no text box");
    return edit;
}

RECT Rect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Both programs, each with its window and its text box of the same size.
struct Pair {
    bool reset = (ResetSettings(), true);
    Process penWick{PenWickPath(), L""}, bare{BarePath(), L""};
    HWND penWickMain = penWick.waitForWindow(kPenWickCaption);
    HWND bareMain = bare.waitForWindow(bare_edit::kEditCaption);
    HWND penWickEdit = FirstEdit(penWickMain), bareEdit = FirstEdit(bareMain);

    Pair() {
        // The same number of lines and columns on show.
        const RECT frame = Rect(penWickMain), box = Rect(penWickEdit);
        POINT origin{box.left, box.top};
        ScreenToClient(penWickMain, &origin);
        SetWindowPos(bareMain, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(bareEdit, nullptr, origin.x, origin.y, box.right - box.left,
                     box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

LRESULT Length(HWND edit) { return Send(edit, WM_GETTEXTLENGTH); }

// The text replaces the box's contents by a paste, as a user would bring it in.
void Fill(HWND edit, const std::wstring& text) {
    if (!SetClipboardText(text)) Fail("could not set the clipboard");
    Send(edit, EM_SETSEL, 0, -1);
    Send(edit, WM_PASTE);
    if (Length(edit) != static_cast<LRESULT>(text.size())) Fail("the paste did not arrive whole");
    Send(edit, EM_SETSEL, text.size(), text.size());
}

void Typing(double megabytes, int keys) {
    Pair p;
    const std::wstring text = bench::MakeText(bench::CharsOf(megabytes));
    Fill(p.penWickEdit, text);
    Fill(p.bareEdit, text);
    std::vector<double> penWick, bare;
    for (int i = 0; i < keys; ++i) {
        // A sent WM_CHAR returns once the box and its parent's change handling are done.
        auto type = [i](HWND edit) { SendMessageW(edit, WM_CHAR, L'a' + i % 26, 1); };
        const bool penWickFirst = i % 2 == 0;
        double a = Timed([&] { type(penWickFirst ? p.penWickEdit : p.bareEdit); });
        double b = Timed([&] { type(penWickFirst ? p.bareEdit : p.penWickEdit); });
        penWick.push_back(penWickFirst ? a : b);
        bare.push_back(penWickFirst ? b : a);
    }
    const LRESULT expected = static_cast<LRESULT>(text.size()) + keys;
    if (Length(p.penWickEdit) != expected || Length(p.bareEdit) != expected)
        Fail("a typed character went missing");
    char what[80];
    std::snprintf(what, sizeof what, "typing at the end of %g MB, one key (median)", megabytes);
    Report(what, Median(penWick), Median(bare));
    std::snprintf(what, sizeof what, "typing %d keys at the end of %g MB (total)", keys, megabytes);
    Report(what, Sum(penWick), Sum(bare));
}

void Paging(double megabytes, int rounds) {
    Pair p;
    const std::wstring text = bench::MakeText(bench::CharsOf(megabytes));
    // PenWick: panel 2 holds the text, panel 1 is empty.
    SendMessageW(p.penWickMain, WM_COMMAND, Command("PanelNew"), 0);
    Fill(p.penWickEdit, text);
    SendMessageW(p.penWickMain, WM_COMMAND, Command("GoFirst"), 0);
    // The bare program keeps the same text in memory.
    if (!SetClipboardText(text)) Fail("could not set the clipboard");
    if (Send(p.bareMain, bare_edit::kLoad) != static_cast<LRESULT>(text.size()))
        Fail("BareEdit did not take the text");

    std::vector<double> penWickTo, penWickBack, bareTo, bareBack;
    const WPARAM next = Command("GoNext"), back = Command("GoBack");
    for (int i = 0; i < rounds; ++i) {
        penWickTo.push_back(Timed([&] { SendMessageW(p.penWickMain, WM_COMMAND, next, 0); }));
        bareTo.push_back(Timed([&] { SendMessageW(p.bareMain, bare_edit::kShowLoaded, 0, 0); }));
        if (Length(p.penWickEdit) != static_cast<LRESULT>(text.size()) ||
            Length(p.bareEdit) != static_cast<LRESULT>(text.size()))
            Fail("the large panel did not show whole");
        penWickBack.push_back(Timed([&] { SendMessageW(p.penWickMain, WM_COMMAND, back, 0); }));
        bareBack.push_back(Timed([&] { SendMessageW(p.bareMain, bare_edit::kShowEmpty, 0, 0); }));
    }
    char what[80];
    std::snprintf(what, sizeof what, "paging empty -> %g MB (median)", megabytes);
    Report(what, Median(penWickTo), Median(bareTo));
    std::vector<double> penWickBoth, bareBoth;
    for (int i = 0; i < rounds; ++i) {
        penWickBoth.push_back(penWickTo[i] + penWickBack[i]);
        bareBoth.push_back(bareTo[i] + bareBack[i]);
    }
    std::snprintf(what, sizeof what, "paging empty -> %g MB -> back (median)", megabytes);
    Report(what, Median(penWickBoth), Median(bareBoth));
}

struct StartTimes {
    double exists, visible;
};

// From CreateProcess until the window of that caption exists, and until it shows; the process
// is then killed.
StartTimes StartUntilVisible(const std::wstring& exe, const std::wstring& arguments,
                             const std::wstring& caption) {
    const auto t0 = Clock::now();
    Process program(exe, arguments);
    StartTimes times{};
    const bool up = Poll(
        [&] {
            HWND w = program.window(caption, false);
            if (w && times.exists == 0) times.exists = Ms(Clock::now() - t0);
            return w && IsWindowVisible(w);
        },
        std::chrono::seconds(60), Millis(1));
    times.visible = Ms(Clock::now() - t0);
    if (!up) Fail("no visible window");
    return times;
}

void Startup(int rounds) {
    FirstStart();
    std::vector<double> penWickExists, penWickVisible, bareExists, bareVisible;
    for (int i = 0; i < rounds; ++i) {
        const StartTimes penWick = StartUntilVisible(PenWickPath(), L"", kPenWickCaption);
        const StartTimes bare =
            StartUntilVisible(BarePath(), L"--window", bare_edit::kWindowCaption);
        penWickExists.push_back(penWick.exists);
        penWickVisible.push_back(penWick.visible);
        bareExists.push_back(bare.exists);
        bareVisible.push_back(bare.visible);
    }
    Report("start until the main window exists (median)", Median(penWickExists),
           Median(bareExists));
    Report("start until the main window is visible (median)", Median(penWickVisible),
           Median(bareVisible));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: WineBench.exe typing:MB:KEYS | paging:MB:ROUNDS | startup:ROUNDS ...\n");
        return 2;
    }
    std::printf("%-46s %13s %13s %8s\n", "", "PenWick", "bare Win32", "ratio");
    for (int i = 1; i < argc; ++i) {
        double a = 0, b = 0;
        if (std::swscanf(argv[i], L"typing:%lf:%lf", &a, &b) == 2)
            Typing(a, static_cast<int>(b));
        else if (std::swscanf(argv[i], L"paging:%lf:%lf", &a, &b) == 2)
            Paging(a, static_cast<int>(b));
        else if (std::swscanf(argv[i], L"startup:%lf", &a) == 1)
            Startup(static_cast<int>(a));
        else
            Fail("unknown job");
    }
    return 0;
}
