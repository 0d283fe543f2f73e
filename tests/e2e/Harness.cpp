#include "Harness.h"

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

namespace e2e {

namespace {

constexpr size_t kTipChars = 4096;  // comctl32 copies up to INFOTIPSIZE (1024) units

bool sameText(std::wstring_view a, std::wstring_view b, bool ignoreCase) {
    if (a.empty() || b.empty()) return a.size() == b.size();
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()),
                                ignoreCase ? TRUE : FALSE) == CSTR_EQUAL;
}

DWORD millis(Millis m) { return static_cast<DWORD>(m.count()); }

// A window owning what the driver puts on the clipboard. It lives on a thread that
// pumps messages, so WM_DESTROYCLIPBOARD sent by the program's EmptyClipboard is
// answered at once even while the driver thread sleeps or waits.
HWND clipboardOwner() {
    static HWND owner = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread([ready] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"PWE2EClipboardOwner";
            RegisterClassW(&wc);
            owner = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    wc.hInstance, nullptr);
            SetEvent(ready);
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        }).detach();
        WaitForSingleObject(ready, 5000);
        CloseHandle(ready);
    });
    return owner;
}

// Another process may hold the clipboard for a moment; retry instead of failing.
bool openClipboard(HWND owner) {
    return poll([owner] { return OpenClipboard(owner) != FALSE; }, 5s, 10ms);
}

struct Key {
    HKEY handle = nullptr;
    ~Key() {
        if (handle) RegCloseKey(handle);
    }
};

std::wstring keyPath() { return std::wstring(kKeyPath); }

struct RemoteMemory {
    HANDLE process = nullptr;
    void* address = nullptr;
    RemoteMemory(DWORD pid, size_t size) {
        process = OpenProcess(
            PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
            FALSE, pid);
        if (process)
            address =
                VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteMemory() {
        if (address) VirtualFreeEx(process, address, 0, MEM_RELEASE);
        if (process) CloseHandle(process);
    }
    bool ok() const { return address != nullptr; }
    bool write(size_t offset, const void* data, size_t size) {
        SIZE_T done = 0;
        return WriteProcessMemory(process, static_cast<char*>(address) + offset, data, size,
                                  &done) &&
               done == size;
    }
    bool read(size_t offset, void* data, size_t size) {
        SIZE_T done = 0;
        return ReadProcessMemory(process, static_cast<char*>(address) + offset, data, size,
                                 &done) &&
               done == size;
    }
    void* at(size_t offset) const { return static_cast<char*>(address) + offset; }
};

}  // namespace

// ---- text -------------------------------------------------------------------

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

// ---- waiting ----------------------------------------------------------------

bool poll(const std::function<bool()>& condition, Millis timeout, Millis interval) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(interval);
    }
}

// ---- paths and files --------------------------------------------------------

std::wstring driverDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

std::wstring programPath() {
    wchar_t buffer[32768];
    const DWORD n = GetEnvironmentVariableW(L"PW_EXE", buffer, 32768);
    if (n == 0 || n >= 32768) return driverDirectory() + L"\\PWick.exe";
    std::wstring path(buffer, n);
    // A Unix path handed through from the shell: Wine maps / to drive Z:.
    if (path[0] == L'/') {
        for (auto& c : path)
            if (c == L'/') c = L'\\';
        path = L"Z:" + path;
    }
    return path;
}

bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// ---- the program under test -------------------------------------------------

Program::~Program() { terminate(); }

bool Program::start(const std::wstring& arguments, const std::wstring& exe,
                    const std::wstring& workingDirectory) {
    terminate();
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    std::wstring directory = workingDirectory;
    if (directory.empty()) {
        const size_t slash = exe.find_last_of(L"\\/");
        if (slash != std::wstring::npos) directory = exe.substr(0, slash);
    }

    // A job takes down whatever the program starts, too, when a test ends.
    job_ = CreateJobObjectW(nullptr, nullptr);
    if (job_) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }

    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    startError_ = 0;
    bool created = false;
    // Under Wine a start right after a kill failed once in about a thousand; a
    // missing or broken exe is not worth a second try.
    for (int attempt = 0; attempt < 3 && !created; ++attempt) {
        if (attempt) Sleep(200);
        created = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                 CREATE_SUSPENDED, nullptr,
                                 directory.empty() ? nullptr : directory.c_str(), &si, &pi);
        startError_ = created ? 0 : GetLastError();
        if (startError_ == ERROR_FILE_NOT_FOUND || startError_ == ERROR_PATH_NOT_FOUND ||
            startError_ == ERROR_BAD_EXE_FORMAT || startError_ == ERROR_DIRECTORY)
            break;
    }
    if (!created) {
        if (job_) CloseHandle(job_);
        job_ = nullptr;
        return false;
    }
    if (job_ && !AssignProcessToJobObject(job_, pi.hProcess)) {
        CloseHandle(job_);
        job_ = nullptr;
    }
    ResumeThread(pi.hThread);
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
    return true;
}

bool Program::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::waitForExit(Millis timeout) {
    if (!process_) return std::nullopt;
    if (WaitForSingleObject(process_, millis(timeout)) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
}

void Program::terminate() {
    if (job_) {
        TerminateJobObject(job_, 1);
        CloseHandle(job_);
        job_ = nullptr;
    }
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
        CloseHandle(process_);
        process_ = nullptr;
    }
    pid_ = 0;
}

HWND Program::waitForWindow(std::wstring_view caption, Millis timeout) const {
    const auto start = std::chrono::steady_clock::now();
    HWND window = waitForTopWindow(pid_, caption, {}, timeout);
    // The window exists from CreateWindow on, before WM_CREATE has made its controls.
    if (window) {
        const auto spent =
            std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - start);
        waitForIdle(std::max(Millis(0), timeout - spent));
    }
    return window;
}

bool Program::waitForIdle(Millis timeout) const {
    return process_ && WaitForInputIdle(process_, millis(timeout)) == 0;
}

HWND Program::waitForDialog(std::wstring_view caption, Millis timeout) const {
    return e2e::waitForDialog(pid_, caption, timeout);
}

std::vector<HWND> Program::windows() const { return topWindows(pid_); }

// ---- windows ----------------------------------------------------------------

std::vector<HWND> topWindows(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->pid) s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findTopWindow(DWORD pid, std::wstring_view caption, std::wstring_view cls) {
    HWND hidden = nullptr;
    for (HWND hwnd : topWindows(pid)) {
        if (!cls.empty() && !sameText(className(hwnd), cls, true)) continue;
        // The caption the system keeps: asks nothing of the program, so a busy
        // or modal program cannot stall the search.
        wchar_t buffer[1024];
        const int n = InternalGetWindowText(hwnd, buffer, 1024);
        if (!sameText(std::wstring_view(buffer, static_cast<size_t>(n > 0 ? n : 0)), caption,
                      false))
            continue;
        if (IsWindowVisible(hwnd)) return hwnd;
        if (!hidden) hidden = hwnd;
    }
    return hidden;
}

HWND waitForTopWindow(DWORD pid, std::wstring_view caption, std::wstring_view cls, Millis timeout) {
    return waitFor([&] { return findTopWindow(pid, caption, cls); }, timeout);
}

bool waitForWindowGone(HWND window, Millis timeout) {
    return poll([window] { return !IsWindow(window); }, timeout);
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND findChild(HWND parent, std::wstring_view cls, std::wstring_view text) {
    for (HWND hwnd : children(parent))
        if (sameText(className(hwnd), cls, true) && sameText(windowText(hwnd), text, false))
            return hwnd;
    return nullptr;
}

HWND findChildByClass(HWND parent, std::wstring_view cls, int index) {
    for (HWND hwnd : children(parent))
        if (sameText(className(hwnd), cls, true) && index-- == 0) return hwnd;
    return nullptr;
}

std::wstring windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length)) {
        // Hung or gone: the caption the system keeps is the best we can get.
        wchar_t buffer[1024];
        const int n = InternalGetWindowText(window, buffer, 1024);
        return std::wstring(buffer, static_cast<size_t>(n > 0 ? n : 0));
    }
    std::wstring text(length + 64, L'\0');  // room in case it grew meanwhile
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_NORMAL, 5000, &copied))
        return {};
    text.resize(std::min<size_t>(copied, text.size() - 1));
    return text;
}

std::wstring className(HWND window) {
    wchar_t buffer[256];
    const int n = GetClassNameW(window, buffer, 256);
    return std::wstring(buffer, static_cast<size_t>(n > 0 ? n : 0));
}

bool isVisible(HWND window) { return IsWindowVisible(window) != FALSE; }
bool isEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

DWORD windowPid(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// ---- messages ---------------------------------------------------------------

std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            Millis timeout) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, millis(timeout),
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

bool post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessageW(window, message, wParam, lParam) != FALSE;
}

bool postCommand(HWND window, WORD id) { return post(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool sendCommand(HWND window, WORD id, Millis timeout) {
    return send(window, WM_COMMAND, MAKEWPARAM(id, 0), 0, timeout).has_value();
}

bool click(HWND button) { return post(button, BM_CLICK); }

bool postClose(HWND window) { return post(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool typeChar(HWND window, wchar_t ch) { return send(window, WM_CHAR, ch, 1).has_value(); }

bool typeText(HWND window, std::wstring_view text) {
    for (wchar_t ch : text)
        if (!typeChar(window, ch)) return false;
    return true;
}

bool paste(HWND window) { return send(window, WM_PASTE).has_value(); }

// ---- message boxes ----------------------------------------------------------

HWND waitForDialog(DWORD pid, std::wstring_view caption, Millis timeout) {
    return waitForTopWindow(pid, caption, kDialogClass, timeout);
}

std::wstring messageText(HWND dialog) {
    if (HWND text = GetDlgItem(dialog, 0xFFFF)) return windowText(text);
    for (HWND hwnd : children(dialog)) {
        if (!sameText(className(hwnd), L"Static", true)) continue;
        std::wstring text = windowText(hwnd);
        if (!text.empty()) return text;
    }
    return {};
}

bool answer(HWND dialog, int buttonId, Millis timeout) {
    HWND button = GetDlgItem(dialog, buttonId);
    if (!button || !click(button)) return false;
    return waitForWindowGone(dialog, timeout);
}

// ---- clipboard --------------------------------------------------------------

namespace {

// Replaces the contents of the clipboard, which the caller holds open.
bool putText(std::wstring_view text) {
    if (!EmptyClipboard()) return false;
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return false;
    auto* p = static_cast<wchar_t*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), p);
    p[text.size()] = L'\0';
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory)) return true;
    GlobalFree(memory);
    return false;
}

}  // namespace

bool setClipboardText(std::wstring_view text) {
    if (!openClipboard(clipboardOwner())) return false;
    const bool ok = putText(text);
    CloseClipboard();
    return ok;
}

bool setClipboardTextMarked(std::wstring_view text, std::wstring_view formatName, DWORD value) {
    const std::wstring name(formatName);
    const UINT format = RegisterClipboardFormatW(name.c_str());
    if (!format || !openClipboard(clipboardOwner())) return false;
    bool ok = putText(text);
    if (ok) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof value);
        ok = memory != nullptr;
        if (ok) {
            *static_cast<DWORD*>(GlobalLock(memory)) = value;
            GlobalUnlock(memory);
            ok = SetClipboardData(format, memory) != nullptr;
            if (!ok) GlobalFree(memory);
        }
    }
    CloseClipboard();
    return ok;
}

bool emptyClipboard() {
    if (!openClipboard(clipboardOwner())) return false;
    const bool ok = EmptyClipboard() != FALSE;
    CloseClipboard();
    return ok;
}

std::optional<std::wstring> clipboardText() {
    if (!openClipboard(clipboardOwner())) return std::nullopt;
    std::optional<std::wstring> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            const size_t limit = GlobalSize(data) / sizeof(wchar_t);
            size_t n = 0;
            while (n < limit && p[n]) ++n;
            text.emplace(p, n);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

ClipboardLock::ClipboardLock(Millis duration, std::optional<std::wstring> text) {
    stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, duration, ready, text = std::move(text)] {
        // Opened with a window of its own: an open with no window would be let in
        // by Wine while we hold it. Opened and closed on this thread, which pumps
        // messages meanwhile so that nothing sent to the window waits on us.
        HWND window = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        held_ = window && openClipboard(window);
        if (held_ && text) held_ = putText(*text);
        SetEvent(ready);
        if (held_) {
            const auto deadline = std::chrono::steady_clock::now() + duration;
            for (;;) {
                const auto left =
                    std::chrono::duration_cast<Millis>(deadline - std::chrono::steady_clock::now());
                if (left.count() <= 0) break;
                const DWORD r =
                    MsgWaitForMultipleObjects(1, &stop_, FALSE, millis(left), QS_ALLINPUT);
                if (r != WAIT_OBJECT_0 + 1) break;
                MSG msg;
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            }
            CloseClipboard();
        }
        if (window) DestroyWindow(window);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
}

ClipboardLock::~ClipboardLock() {
    release();
    CloseHandle(stop_);
}

void ClipboardLock::release() {
    SetEvent(stop_);
    if (thread_.joinable()) thread_.join();
    held_ = false;
}

// ---- registry ---------------------------------------------------------------

std::optional<std::wstring> regReadString(HKEY root, std::wstring_view name) {
    const std::wstring value(name);
    DWORD bytes = 0;
    if (RegGetValueW(root, keyPath().c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(root, keyPath().c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

bool regWriteString(HKEY root, std::wstring_view name, std::wstring_view value) {
    Key key;
    if (RegCreateKeyExW(root, keyPath().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key.handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring valueName(name), data(value);
    return RegSetValueExW(key.handle, valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool regWriteDword(HKEY root, std::wstring_view name, DWORD value) {
    Key key;
    if (RegCreateKeyExW(root, keyPath().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key.handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring valueName(name);
    return RegSetValueExW(key.handle, valueName.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

bool regKeyExists(HKEY root) {
    Key key;
    return RegOpenKeyExW(root, keyPath().c_str(), 0, KEY_READ, &key.handle) == ERROR_SUCCESS;
}

bool regDeleteKey(HKEY root) {
    const LONG r = RegDeleteTreeW(root, keyPath().c_str());
    if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND) return false;
    RegDeleteKeyW(root, keyPath().c_str());
    return !regKeyExists(root);
}

// ---- menus ------------------------------------------------------------------

// ---- tool tips
// ------------------------------------------------------------------------------------

std::vector<HWND> tooltipWindows(DWORD pid) {
    std::vector<HWND> found;
    for (HWND hwnd : topWindows(pid))
        if (sameText(className(hwnd), TOOLTIPS_CLASSW, true)) found.push_back(hwnd);
    return found;
}

std::vector<Tool> tooltipTools(HWND tooltip) {
    std::vector<Tool> tools;
    // TOOLINFO and the text buffer go into the program: pointers in TTM_* messages
    // are not marshalled between processes.
    const size_t infoSize = sizeof(TTTOOLINFOW);
    const size_t textOffset = (infoSize + 15) & ~size_t(15);
    RemoteMemory remote(windowPid(tooltip), textOffset + kTipChars * sizeof(wchar_t));
    if (!remote.ok()) return tools;

    const auto count = send(tooltip, TTM_GETTOOLCOUNT);
    if (!count) return tools;
    const std::vector<wchar_t> blank(kTipChars, L'\0');
    for (LRESULT i = 0; i < *count; ++i) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.lpszText = static_cast<LPWSTR>(remote.at(textOffset));
        if (!remote.write(0, &info, sizeof info) ||
            !remote.write(textOffset, blank.data(), blank.size() * sizeof(wchar_t)))
            break;
        const auto found = send(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(remote.at(0)));
        if (!found || !*found || !remote.read(0, &info, sizeof info)) continue;

        Tool tool;
        tool.tooltip = tooltip;
        tool.hwnd = info.hwnd;
        tool.id = info.uId;
        tool.flags = info.uFlags;

        info.lpszText = static_cast<LPWSTR>(remote.at(textOffset));
        std::vector<wchar_t> text(kTipChars, L'\0');
        if (remote.write(0, &info, sizeof info) &&
            remote.write(textOffset, blank.data(), blank.size() * sizeof(wchar_t)) &&
            send(tooltip, TTM_GETTEXTW, kTipChars, reinterpret_cast<LPARAM>(remote.at(0))) &&
            remote.read(textOffset, text.data(), text.size() * sizeof(wchar_t))) {
            text.back() = L'\0';
            tool.text = text.data();
        }
        tools.push_back(std::move(tool));
    }
    return tools;
}

std::optional<std::wstring> tooltipTextFor(DWORD pid, HWND control) {
    std::optional<std::wstring> byRect;
    for (HWND tooltip : tooltipWindows(pid)) {
        for (const Tool& tool : tooltipTools(tooltip)) {
            if ((tool.flags & TTF_IDISHWND) && tool.id == reinterpret_cast<UINT_PTR>(control))
                return tool.text;
            if (!(tool.flags & TTF_IDISHWND) && tool.hwnd == control && !byRect) byRect = tool.text;
        }
    }
    return byRect;
}

}  // namespace e2e
