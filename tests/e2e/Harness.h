// Drives PWick.exe from outside, the way a user or an accessibility tool would:
// windows by caption, controls by class and text, window messages, clipboard and
// registry. Everything waits by polling for a state, never by sleeping.
#pragma once

#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Identity.h"

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

inline constexpr Millis kTimeout = 10s;
// The program's identity; wchar_t is UTF-16 here.
inline std::wstring_view wide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline const std::wstring_view kCaption = wide(pw::kMainCaption);
inline const std::wstring_view kBoxCaption = wide(pw::kProductName);
inline const std::wstring_view kKeyPath = wide(pw::kSettingsKey);

// Calls condition until it holds or the timeout passes; true when it held.
bool poll(const std::function<bool()>& condition, Millis timeout = kTimeout);

// Calls produce until it returns something true (a window) and returns that, or the last
// result after the timeout.
template <class Fn>
auto waitFor(Fn produce, Millis timeout = kTimeout) -> decltype(produce()) {
    decltype(produce()) value{};
    poll([&] { return static_cast<bool>(value = produce()); }, timeout);
    return value;
}

std::wstring driverDirectory();  // folder of PWE2E.exe, no trailing backslash
std::wstring programPath();      // %PW_EXE%, else driverDirectory() + L"\\PWick.exe"

class Program {
  public:
    Program() = default;
    ~Program() { terminate(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool start(const std::wstring& folder = {});  // in the exe's folder unless another is given
    bool running() const;
    DWORD pid() const { return pid_; }
    // Exit code once the process has ended within the timeout.
    std::optional<DWORD> waitForExit(Millis timeout = kTimeout);
    // Kills the program if still running.
    void terminate();
    // Top-level window with this caption, a visible one first; returns once the program has
    // also reached its message loop, so controls made in WM_CREATE exist.
    HWND waitForWindow() const;
    // A message box (class #32770) of this process.
    HWND waitForDialog(Millis timeout = kTimeout) const;

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

// Top-level windows of the process, hidden ones too, of this class (any when null).
std::vector<HWND> topWindows(DWORD pid, const wchar_t* className = nullptr);
// A direct child of this class, with this text when one is given.
inline HWND findChild(HWND parent, const wchar_t* className, const wchar_t* text = nullptr) {
    return FindWindowExW(parent, nullptr, className, text);
}
std::wstring windowText(HWND window);  // WM_GETTEXT, so it works for edits too
inline bool isVisible(HWND window) { return IsWindowVisible(window); }
inline bool isEnabled(HWND window) { return IsWindowEnabled(window); }
inline RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// SendMessageTimeout; nothing when the target did not answer in time.
std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                            Millis timeout = 5s);
inline bool post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return PostMessageW(window, message, wParam, lParam);
}
// WM_COMMAND as a menu or accelerator would send it; posted, so a modal box it opens does not
// block the driver.
inline bool postCommand(HWND window, WORD id) { return post(window, WM_COMMAND, id); }
// Same, but waits until the command has been handled.
inline bool sendCommand(HWND window, WORD id, Millis timeout = 5s) {
    return send(window, WM_COMMAND, id, 0, timeout).has_value();
}
inline bool click(HWND button) { return post(button, BM_CLICK); }  // posted for the same reason
// WM_SYSCOMMAND SC_CLOSE, as the caption's close button does.
inline bool postClose(HWND window) { return post(window, WM_SYSCOMMAND, SC_CLOSE); }
bool typeText(HWND window, std::wstring_view text);  // WM_CHAR for each UTF-16 unit

// Text of a message box: its static with id 0xFFFF.
inline std::wstring messageText(HWND dialog) { return windowText(GetDlgItem(dialog, 0xFFFF)); }
// Clicks the button with this id (IDYES, IDNO, IDOK, ...) and waits for the box to go away.
bool answer(HWND dialog, int buttonId);

bool setClipboardText(std::wstring_view text);  // CF_UNICODETEXT, replaces everything
// The text together with a registered format holding a DWORD, the way password managers mark
// what they copy as private.
bool setClipboardTextMarked(std::wstring_view text, std::wstring_view formatName, DWORD value);
bool emptyClipboard();
std::optional<std::wstring> clipboardText();  // nothing if no CF_UNICODETEXT on it

// Empties the clipboard, puts a text on it unless that is empty, and keeps it open, so the
// program finds it locked, until the object dies.
class ClipboardLock {
  public:
    explicit ClipboardLock(std::wstring_view text = {});
    ~ClipboardLock();
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    bool held() const { return held_; }

  private:
    bool open_, held_;
};

// Values under kKeyPath (reads: under any key); root is HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE.
std::optional<std::wstring> regReadString(HKEY root, std::wstring_view name,
                                          std::wstring_view key = kKeyPath);
bool regWriteString(HKEY root, std::wstring_view name, std::wstring_view value);
// Any type with exactly these bytes, a terminating NUL only where they hold one.
bool regWriteRaw(HKEY root, std::wstring_view name, DWORD type, std::string_view bytes);
void regDeleteKey(HKEY root);  // with everything below it, as on a first start

// Tools of all tooltip windows of the process.
int tooltipToolCount(DWORD pid);
// Text of the tool for this control in any tooltip window of the process.
std::optional<std::wstring> tooltipTextFor(DWORD pid, HWND control);

}  // namespace e2e
