// Drives PWick.exe from outside, the way a user or an accessibility tool would: windows by
// caption, controls by class and text, window messages, the keyboard, clipboard and registry.
// Everything waits by polling for a state, never by sleeping.
#pragma once

#include <windows.h>
// After windows.h.
#include <commctrl.h>
#include <oleacc.h>
#include <uxtheme.h>
#include <vssym32.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/MainLayout.h"
#include "platform/Identity.h"

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

// wchar_t is UTF-16 here.
inline std::wstring_view wide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline const wchar_t* const kKeyPath = wide(pw::kSettingsKey).data();  // a literal's: NUL-ended

// Calls condition until it holds or the timeout passes; true when it held. Meanwhile the
// driver's own window answers what the program sends it, such as WM_DESTROYCLIPBOARD.
inline bool poll(const std::function<bool()>& condition, Millis timeout = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
    }
    return true;
}
// Folder of PWE2E.exe and PWick.exe, no trailing backslash.
// What a screen reader gets for a control: the name its accessible object gives, or what went
// wrong on the way.
inline std::wstring AccessibleName(HWND control) {
    IAccessible* object = nullptr;
    const HRESULT found =
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object));
    if (FAILED(found) || !object) return L"<no object: " + std::to_wstring(found) + L">";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT named = object->get_accName(self, &name);
    std::wstring text = SUCCEEDED(named) && name ? std::wstring(name, SysStringLen(name))
                                                 : L"<no name: " + std::to_wstring(named) + L">";
    SysFreeString(name);
    object->Release();
    return text;
}

inline std::wstring driverDirectory() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L'\\'));
}

// SendMessageTimeout; nothing when the target did not answer in time.
inline std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                   Millis timeout = 5s) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                             static_cast<UINT>(timeout.count()), &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}
// Posted, so that a modal window it opens does not block the driver.
inline bool post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return PostMessageW(window, message, wParam, lParam);
}

inline std::wstring windowText(HWND window) {  // WM_GETTEXT, so it works for edits too
    const auto length = send(window, WM_GETTEXTLENGTH);
    if (!length) return {};
    std::wstring text(*length + 64, L'\0');  // room in case it grew meanwhile
    const auto copied =
        send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied ? std::min<size_t>(*copied, text.size() - 1) : 0);
    return text;
}
// A descendant of this class, with this text when one is given, read as WM_GETTEXT gives it, which
// edits keep apart from their window name.
inline HWND child(HWND parent, const wchar_t* className, std::wstring_view text = {}) {
    for (HWND w = nullptr; (w = FindWindowExW(parent, w, nullptr, nullptr));) {
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (_wcsicmp(cls, className) == 0 && (text.empty() || windowText(w) == text)) return w;
        if (HWND inner = child(w, className, text)) return inner;  // on a tab page
    }
    return nullptr;
}
inline RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// A key through the system's input queue, with Ctrl and Shift held when asked, so that accelerators
// and the focused control see it as the keyboard delivers it; the window is brought to the front.
inline bool press(HWND window, WORD key, bool ctrl = false, bool shift = false) {
    SetForegroundWindow(window);
    if (!poll([&] { return GetForegroundWindow() == window; })) return false;
    if (ctrl) keybd_event(VK_CONTROL, 0, 0, 0);
    if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    if (ctrl) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    return true;
}

// The window with the keyboard focus in the thread that runs this window, and its active window.
inline std::pair<HWND, HWND> focusAndActive(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return {};
    return {info.hwndFocus, info.hwndActive};
}

// Text of a message box: its static with id 0xFFFF.
inline std::wstring messageText(HWND box) { return windowText(GetDlgItem(box, 0xFFFF)); }
// Clicks the button with this id (IDYES, IDNO, IDOK, ...) and waits for the box to go away.
inline bool answer(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    return button && post(button, BM_CLICK) && poll([box] { return !IsWindow(box); });
}

// Empties the clipboard and puts a text on it unless that is empty, together with a registered
// format holding a DWORD when one is named, the way password managers mark what they copy as
// private. Kept open, so that the program finds it locked, until the object dies.
class ClipboardLock {
  public:
    explicit ClipboardLock(std::wstring_view text = {}, const wchar_t* mark = nullptr,
                           DWORD markValue = 0)
        : open_(open()),
          held_(open_ && EmptyClipboard() &&
                (text.empty() || put(CF_UNICODETEXT, std::wstring(text).c_str(),
                                     (text.size() + 1) * sizeof(wchar_t))) &&
                (!mark || put(RegisterClipboardFormatW(mark), &markValue, sizeof markValue))) {}
    ~ClipboardLock() {
        if (open_) CloseClipboard();
    }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    bool held() const { return held_; }

    // Another process may hold the clipboard for a moment; retry instead of failing.
    static bool open() {
        static const HWND owner = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                  nullptr, nullptr, nullptr);
        return poll([] { return OpenClipboard(owner) != FALSE; }, 5s);
    }

  private:
    static bool put(UINT format, const void* data, size_t bytes) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (!memory) return false;
        std::memcpy(GlobalLock(memory), data, bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(format, memory)) return true;
        GlobalFree(memory);
        return false;
    }
    bool open_, held_;
};
inline bool setClipboardText(std::wstring_view text) { return ClipboardLock(text).held(); }

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Any type with exactly these bytes, a terminating NUL only where they hold one.
inline bool regWrite(std::wstring_view name, DWORD type, std::string_view bytes) {
    return RegSetKeyValueW(HKEY_CURRENT_USER, kKeyPath, std::wstring(name).c_str(), type,
                           bytes.data(), static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}
inline std::string utf16Bytes(std::wstring_view text) {
    return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)};
}

// PWick.exe started in a working folder, killed when the object dies if still running.
class Program {
  public:
    explicit Program(const std::wstring& folder) {
        const std::wstring exe = driverDirectory() + L"\\PWick.exe";
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        // Under Wine a start right after a kill failed once in about a thousand.
        for (int attempt = 0; attempt < 3 && !pi.hProcess; ++attempt) {
            if (attempt) Sleep(200);
            CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.c_str(), &si, &pi);
        }
        if (pi.hThread) CloseHandle(pi.hThread);
        process_.reset(pi.hProcess);
    }
    ~Program() {
        if (process_ && TerminateProcess(process_.get(), 1))
            WaitForSingleObject(process_.get(), 5000);
    }
    bool waitForExit() const { return WaitForSingleObject(process_.get(), 10000) == WAIT_OBJECT_0; }
    HANDLE handle() const { return process_.get(); }
    // Top-level windows of the program, hidden ones too, of this class and caption (any when
    // null). The caption compared is the one the system keeps: that asks nothing of the
    // program, so a busy or modal program cannot stall the search.
    std::vector<HWND> windows(const wchar_t* className, const wchar_t* caption = nullptr) const {
        std::vector<HWND> found;
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, className, caption));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == GetProcessId(process_.get())) found.push_back(w);
        }
        return found;
    }
    // A visible top-level window with this caption other than `except`. File dialogs list their
    // folder first, which takes a while on a busy machine.
    HWND waitForWindow(std::wstring_view caption, HWND except = nullptr,
                       Millis timeout = 30s) const {
        HWND found = nullptr;
        poll(
            [&] {
                for (HWND w : windows(nullptr, std::wstring(caption).c_str()))
                    if (w != except && IsWindowVisible(w)) found = w;
                return found != nullptr;
            },
            timeout);
        return found;
    }

  private:
    std::unique_ptr<void, decltype(&CloseHandle)> process_{nullptr, CloseHandle};
};

// A started PenWick with its main window and controls found the way a user sees them.
class PenWick : public ::testing::Test {
  protected:
    // Every test starts as a first start, with nothing on the clipboard.
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKeyPath);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kKeyPath);
        ASSERT_TRUE(ClipboardLock().held());
    }
    // Starts the program, from another working folder when one is given.
    void Launch(const std::wstring& folder = driverDirectory()) {
        program.emplace(folder);
        ASSERT_TRUE(program->handle());
        main = program->waitForWindow(wide(pw::kMainCaption));
        ASSERT_TRUE(main) << "no main window";
        // It shows before its message loop runs; its controls exist then.
        ASSERT_TRUE(poll([&] { return send(main, WM_NULL).has_value(); }));
        content = child(main, L"Edit");
        go = child(main, L"Button", L"1/1");
        ASSERT_TRUE(content && go);
    }
    void StoreSetting(std::wstring_view name, std::wstring_view value) {
        ASSERT_TRUE(regWrite(name, REG_SZ, utf16Bytes({value.data(), value.size() + 1})));
    }
    // A string value under the program's key, or another; root is HKEY_CURRENT_USER or
    // HKEY_LOCAL_MACHINE.
    static std::wstring Setting(std::wstring_view name, HKEY root = HKEY_CURRENT_USER,
                                const wchar_t* key = kKeyPath) {
        std::wstring text(1 << 20, L'\0');
        DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (RegGetValueW(root, key, std::wstring(name).c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                         &bytes))
            return L"<missing>";
        return text.c_str();
    }
    // A menu command by its name in the program's own menu table (Wine cannot read another
    // process's menus); posted, so that a modal window it opens does not block the driver.
    bool PostCommand(std::string_view item) {
        return post(main, WM_COMMAND, static_cast<WORD>(pw::MainCommandId(item)));
    }
    // Same, but returns once the command has been handled.
    void Command(std::string_view item, Millis timeout = 5s) {
        ASSERT_TRUE(send(main, WM_COMMAND, static_cast<WORD>(pw::MainCommandId(item)), 0, timeout));
    }
    // A mouse event on the tray icon, as the shell reports it.
    bool Tray(UINT mouse) { return post(main, pw::kTrayCallbackMessage, pw::kTrayIconId, mouse); }
    HWND WaitForBox(Millis timeout = 10s) {
        return program->waitForWindow(wide(pw::kProductName), nullptr, timeout);
    }
    bool WaitPosition(std::wstring_view expected) {
        return poll([&] { return windowText(go) == expected; });
    }
    bool WaitContent(std::wstring_view expected) {
        return poll([&] { return windowText(content) == expected; });
    }

    std::optional<Program> program;                        // ended when the test ends
    HWND main = nullptr, content = nullptr, go = nullptr;  // cmdGo, with the position
};

}  // namespace e2e
