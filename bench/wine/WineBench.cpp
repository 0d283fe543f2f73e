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
#include <string>
#include <vector>

#include "BareEdit.h"
#include "BenchText.h"
#include "Harness.h"
#include "app/MainLayout.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr e2e::Millis kLongWait = std::chrono::minutes(5);

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

WPARAM Command(const char* item) {
    const int id = pw::MenuCommandId(pw::MainFormLayout(), item);
    if (id == 0) Fail("no such menu item");
    return static_cast<WPARAM>(id);
}

std::wstring BarePath() { return e2e::driverDirectory() + L"\\BareEdit.exe"; }

// Both programs, each with its window and its text box.
struct Pair {
    e2e::Program penWick, bare;
    HWND penWickMain = nullptr, penWickEdit = nullptr, bareMain = nullptr, bareEdit = nullptr;

    Pair() {
        // A first start with watching off: nothing but the benchmark touches the panels.
        e2e::regDeleteKey(HKEY_CURRENT_USER);
        e2e::regWriteString(HKEY_CURRENT_USER, L"GetClip", L"False");
        if (!penWick.start() || !bare.start(L"", BarePath())) Fail("could not start the programs");
        penWickMain = penWick.waitForWindow();
        bareMain = bare.waitForWindow(bare_edit::kEditCaption);
        if (!penWickMain || !bareMain) Fail("no main window");
        penWickEdit = e2e::waitFor([&] { return e2e::findChildByClass(penWickMain, L"Edit"); });
        bareEdit = e2e::waitFor([&] { return e2e::findChildByClass(bareMain, L"Edit"); });
        if (!penWickEdit || !bareEdit) Fail("no text box");
        // Both boxes show the same number of lines and columns.
        const RECT frame = e2e::windowRect(penWickMain), box = e2e::windowRect(penWickEdit);
        POINT origin{box.left, box.top};
        ScreenToClient(penWickMain, &origin);
        SetWindowPos(bareMain, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(bareEdit, nullptr, origin.x, origin.y, box.right - box.left,
                     box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT bareBox = e2e::windowRect(bareEdit);
        std::fprintf(stderr, "text boxes: PenWick %ldx%ld, bare %ldx%ld\n", box.right - box.left,
                     box.bottom - box.top, bareBox.right - bareBox.left,
                     bareBox.bottom - bareBox.top);
    }
};

LRESULT Length(HWND edit) {
    return e2e::send(edit, WM_GETTEXTLENGTH, 0, 0, kLongWait).value_or(-1);
}

// The text replaces the box's contents by a paste, as a user would bring it in.
void Fill(HWND edit, const std::wstring& text) {
    if (!e2e::setClipboardText(text)) Fail("could not set the clipboard");
    e2e::send(edit, EM_SETSEL, 0, -1);
    e2e::send(edit, WM_PASTE, 0, 0, kLongWait);
    if (Length(edit) != static_cast<LRESULT>(text.size())) Fail("the paste did not arrive whole");
    e2e::send(edit, EM_SETSEL, text.size(), text.size());
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
    if (!e2e::setClipboardText(text)) Fail("could not set the clipboard");
    if (e2e::send(p.bareMain, bare_edit::kLoad, 0, 0, kLongWait).value_or(-1) !=
        static_cast<LRESULT>(text.size()))
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

// From CreateProcess until the window of that caption is visible; the process is then killed.
double StartUntilVisible(const std::wstring& exe, const std::wstring& arguments,
                         const wchar_t* caption) {
    e2e::Program program;
    const auto t0 = Clock::now();
    if (!program.start(arguments, exe)) Fail("could not start a program");
    const bool up = e2e::poll(
        [&] {
            HWND w = e2e::findTopWindow(program.pid(), caption);
            return w && IsWindowVisible(w);
        },
        std::chrono::seconds(60), std::chrono::milliseconds(1));
    const double ms = Ms(Clock::now() - t0);
    if (!up) Fail("no visible window");
    program.terminate();
    program.waitForExit();
    return ms;
}

void Startup(int rounds) {
    e2e::regDeleteKey(HKEY_CURRENT_USER);
    std::vector<double> penWick, bare;
    const std::wstring caption(e2e::kCaption);
    for (int i = 0; i < rounds; ++i) {
        penWick.push_back(StartUntilVisible(e2e::programPath(), L"", caption.c_str()));
        bare.push_back(StartUntilVisible(BarePath(), L"--window", bare_edit::kWindowCaption));
    }
    Report("start until the main window is visible (median)", Median(penWick), Median(bare));
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
