// Drives PWick.exe from outside, the way a user or an accessibility tool would:
// windows by caption, controls by class and text, window messages, clipboard,
// registry and files. Everything waits by polling for a state, never by sleeping.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

inline constexpr Millis kTimeout = 10s;
inline constexpr Millis kPollInterval = 20ms;
inline constexpr std::wstring_view kCaption = L"PenWick 1.10";
inline constexpr std::wstring_view kBoxCaption = L"PenWick";
inline constexpr std::wstring_view kDialogClass = L"#32770";
inline constexpr std::wstring_view kKeyPath = L"Software\\Velmora\\PenWick";

// ---- text -------------------------------------------------------------------

std::string toUtf8(std::wstring_view text);

// ---- waiting ----------------------------------------------------------------

// Calls condition until it holds or the timeout passes; true when it held.
bool poll(const std::function<bool()>& condition, Millis timeout = kTimeout,
          Millis interval = kPollInterval);

namespace detail {
template <class T>
bool present(const T& value) {
    if constexpr (requires { value.empty(); })
        return !value.empty();
    else
        return static_cast<bool>(value);
}
}  // namespace detail

// Calls produce until it returns something present (a window, an optional with
// a value, a non-empty container or string) and returns that, or the last
// result after the timeout.
template <class Fn>
auto waitFor(Fn produce, Millis timeout = kTimeout, Millis interval = kPollInterval)
    -> decltype(produce()) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto value = produce();
        if (detail::present(value) || std::chrono::steady_clock::now() >= deadline) return value;
        std::this_thread::sleep_for(interval);
    }
}

// ---- paths and files --------------------------------------------------------

std::wstring driverDirectory();  // folder of PWE2E.exe, no trailing backslash
std::wstring programPath();      // %PW_EXE%, else driverDirectory() + L"\\PWick.exe"
bool fileExists(const std::wstring& path);

// ---- the program under test -------------------------------------------------

class Program {
  public:
    Program() = default;
    ~Program();  // terminates a program a test left running
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts exe with the given arguments (appended to the quoted path). The
    // working directory defaults to the exe's folder.
    bool start(const std::wstring& arguments = L"", const std::wstring& exe = programPath(),
               const std::wstring& workingDirectory = L"");
    bool running() const;
    DWORD pid() const { return pid_; }
    DWORD startError() const { return startError_; }  // GetLastError of a failed start
    HANDLE handle() const { return process_; }
    // Exit code once the process has ended within the timeout.
    std::optional<DWORD> waitForExit(Millis timeout = kTimeout);
    // Kills the program (and anything it started) if still running; idempotent.
    void terminate();

    // Top-level window of this process with exactly this caption, visible or
    // not (a visible one wins); see waitForVisible. Returns once the program
    // has also reached its message loop, so controls made in WM_CREATE exist.
    HWND waitForWindow(std::wstring_view caption = kCaption, Millis timeout = kTimeout) const;
    // WaitForInputIdle: true once the program has first waited for input.
    bool waitForIdle(Millis timeout = kTimeout) const;
    // Dialog (class #32770) of this process, e.g. a message box.
    HWND waitForDialog(std::wstring_view caption = kBoxCaption, Millis timeout = kTimeout) const;
    std::vector<HWND> windows() const;  // all its top-level windows, hidden ones too

  private:
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;
    DWORD pid_ = 0;
    DWORD startError_ = 0;
};

// ---- windows ----------------------------------------------------------------

std::vector<HWND> topWindows(DWORD pid);
HWND findTopWindow(DWORD pid, std::wstring_view caption, std::wstring_view className = {});
HWND waitForTopWindow(DWORD pid, std::wstring_view caption, std::wstring_view className = {},
                      Millis timeout = kTimeout);
bool waitForWindowGone(HWND window, Millis timeout = kTimeout);

// Descendants, depth first, in z-order.
std::vector<HWND> children(HWND parent);
// First descendant of this class (case-insensitive) whose text equals text.
HWND findChild(HWND parent, std::wstring_view className, std::wstring_view text);
// The index-th descendant of this class, whatever its text.
HWND findChildByClass(HWND parent, std::wstring_view className, int index = 0);

std::wstring windowText(HWND window);  // WM_GETTEXT, so it works for edits too
std::wstring className(HWND window);
bool isVisible(HWND window);
bool isEnabled(HWND window);
DWORD windowPid(HWND window);
RECT windowRect(HWND window);

// ---- messages ---------------------------------------------------------------

// SendMessageTimeout; nothing when the target did not answer in time.
std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                            Millis timeout = 5s);
bool post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// WM_COMMAND as a menu or accelerator would send it; posted, so a modal box
// it opens does not block the driver.
bool postCommand(HWND window, WORD id);
// Same, but waits until the command has been handled.
bool sendCommand(HWND window, WORD id, Millis timeout = 5s);
// BM_CLICK, posted for the same reason.
bool click(HWND button);
// WM_SYSCOMMAND SC_CLOSE, as the caption's close button does.
bool postClose(HWND window);
// WM_CHAR for each UTF-16 unit, in order.
bool typeText(HWND window, std::wstring_view text);
bool typeChar(HWND window, wchar_t ch);
bool paste(HWND window);  // WM_PASTE

// ---- message boxes ----------------------------------------------------------

HWND waitForDialog(DWORD pid, std::wstring_view caption = kBoxCaption, Millis timeout = kTimeout);
// Text of the box: the static with id 0xFFFF, else the first non-empty Static.
std::wstring messageText(HWND dialog);
// Clicks the button with this id (IDYES, IDNO, IDOK, ...) and waits for the
// dialog to go away; false if there is no such button or it stayed.
bool answer(HWND dialog, int buttonId, Millis timeout = kTimeout);

// ---- clipboard --------------------------------------------------------------

bool setClipboardText(std::wstring_view text);  // CF_UNICODETEXT, replaces everything
// The text together with a registered format holding a DWORD, the way password managers mark
// what they copy as private.
bool setClipboardTextMarked(std::wstring_view text, std::wstring_view formatName, DWORD value);
bool emptyClipboard();
std::optional<std::wstring> clipboardText();  // nothing if no CF_UNICODETEXT on it

// Keeps the clipboard open from a thread of its own, so the program finds it
// locked, until the object dies or the duration runs out.
class ClipboardLock {
  public:
    // With a text, the lock puts it on the clipboard first, so that no one can read it
    // before the lock is released.
    explicit ClipboardLock(Millis duration = 60s, std::optional<std::wstring> text = std::nullopt);
    ~ClipboardLock();
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    bool held() const { return held_; }  // false if it could not be opened
    void release();

  private:
    HANDLE stop_ = nullptr;
    std::thread thread_;
    std::atomic<bool> held_{false};
};

// ---- registry ---------------------------------------------------------------
// root is HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE; the key is Software\Velmora\PenWick.

std::optional<std::wstring> regReadString(HKEY root, std::wstring_view name);
bool regWriteString(HKEY root, std::wstring_view name, std::wstring_view value);
bool regWriteDword(HKEY root, std::wstring_view name, DWORD value);
bool regKeyExists(HKEY root);
// Removes the key with everything below it, as on a first start. True if it is gone.
bool regDeleteKey(HKEY root);

// ---- tool tips --------------------------------------------------------------

struct Tool {
    HWND tooltip = nullptr;  // the tooltips_class32 window
    HWND hwnd = nullptr;     // TOOLINFO.hwnd
    UINT_PTR id = 0;         // TOOLINFO.uId (the control's HWND with TTF_IDISHWND)
    UINT flags = 0;
    std::wstring text;
};

std::vector<HWND> tooltipWindows(DWORD pid);
// Every tool of one tooltip window with its text, read with TTM_ENUMTOOLSW and
// TTM_GETTEXTW through a buffer allocated inside the program.
std::vector<Tool> tooltipTools(HWND tooltip);
// Text of the tool for this control in any tooltip window of the process.
std::optional<std::wstring> tooltipTextFor(DWORD pid, HWND control);

}  // namespace e2e
