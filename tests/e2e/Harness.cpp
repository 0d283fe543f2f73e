#include "Harness.h"

#include <mutex>
#include <thread>

namespace e2e {

namespace {

DWORD millis(Millis m) { return static_cast<DWORD>(m.count()); }

// A window owning what the driver puts on the clipboard. It lives on a thread that pumps
// messages, so WM_DESTROYCLIPBOARD sent by the program's EmptyClipboard is answered at once
// even while the driver thread waits.
HWND clipboardOwner() {
    static HWND owner = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread([ready] {
            owner = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    nullptr, nullptr);
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
    return poll([owner] { return OpenClipboard(owner) != FALSE; }, 5s);
}

// Replaces the contents of the clipboard, which the caller holds open.
bool putData(UINT format, const void* data, size_t bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!memory) return false;
    memcpy(GlobalLock(memory), data, bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory)) return true;
    GlobalFree(memory);
    return false;
}

}  // namespace

bool poll(const std::function<bool()>& condition, Millis timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
}

std::wstring driverDirectory() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring programPath() {
    std::wstring path(32768, L'\0');
    path.resize(GetEnvironmentVariableW(L"PW_EXE", path.data(), static_cast<DWORD>(path.size())));
    if (path.empty()) return driverDirectory() + L"\\PWick.exe";
    // A Unix path handed through from the shell: Wine maps / to drive Z:.
    if (path[0] == L'/') {
        for (auto& c : path)
            if (c == L'/') c = L'\\';
        path = L"Z:" + path;
    }
    return path;
}

bool Program::start(const std::wstring& folder) {
    terminate();
    const std::wstring exe = programPath();
    std::wstring commandLine = L"\"" + exe + L"\"";
    const std::wstring directory =
        folder.empty() ? exe.substr(0, exe.find_last_of(L"\\/")) : folder;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    // Under Wine a start right after a kill failed once in about a thousand.
    bool created = false;
    for (int attempt = 0; attempt < 3 && !created; ++attempt) {
        if (attempt) Sleep(200);
        created = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, directory.c_str(), &si, &pi);
    }
    if (!created) return false;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
    return true;
}

bool Program::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::waitForExit(Millis timeout) {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_, millis(timeout)) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_, &code))
        return std::nullopt;
    return code;
}

void Program::terminate() {
    if (process_) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
        CloseHandle(process_);
        process_ = nullptr;
    }
    pid_ = 0;
}

namespace {

// A visible one first.
HWND findTopWindow(DWORD pid, const wchar_t* cls, std::wstring_view caption) {
    HWND hidden = nullptr;
    for (HWND hwnd : topWindows(pid, cls)) {
        // The caption the system keeps: asks nothing of the program, so a busy or modal
        // program cannot stall the search.
        wchar_t buffer[256];
        if (std::wstring_view(buffer, InternalGetWindowText(hwnd, buffer, 256)) != caption)
            continue;
        if (IsWindowVisible(hwnd)) return hwnd;
        if (!hidden) hidden = hwnd;
    }
    return hidden;
}

}  // namespace

HWND Program::waitForWindow() const {
    HWND window = waitFor([&] { return findTopWindow(pid_, nullptr, kCaption); });
    // The window exists from CreateWindow on, before WM_CREATE has made its controls.
    if (window) WaitForInputIdle(process_, millis(kTimeout));
    return window;
}

HWND Program::waitForDialog(Millis timeout) const {
    return waitFor([&] { return findTopWindow(pid_, L"#32770", kBoxCaption); }, timeout);
}

std::vector<HWND> topWindows(DWORD pid, const wchar_t* cls) {
    std::vector<HWND> found;
    for (HWND hwnd = nullptr; (hwnd = FindWindowExW(nullptr, hwnd, cls, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid) found.push_back(hwnd);
    }
    return found;
}

std::wstring windowText(HWND window) {
    const auto length = send(window, WM_GETTEXTLENGTH);
    if (!length) return {};
    std::wstring text(*length + 64, L'\0');  // room in case it grew meanwhile
    const auto copied =
        send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied ? std::min<size_t>(*copied, text.size() - 1) : 0);
    return text;
}

std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            Millis timeout) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, millis(timeout),
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

bool typeText(HWND window, std::wstring_view text) {
    for (wchar_t ch : text)
        if (!send(window, WM_CHAR, ch, 1)) return false;
    return true;
}

bool answer(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    return button && click(button) && poll([dialog] { return !IsWindow(dialog); });
}

ClipboardLock::ClipboardLock(std::wstring_view text)
    : open_(openClipboard(clipboardOwner())),
      held_(open_ && EmptyClipboard() &&
            (text.empty() || putData(CF_UNICODETEXT, std::wstring(text).c_str(),
                                     (text.size() + 1) * sizeof(wchar_t)))) {}

ClipboardLock::~ClipboardLock() {
    if (open_) CloseClipboard();
}

bool setClipboardText(std::wstring_view text) { return ClipboardLock(text).held(); }

bool setClipboardTextMarked(std::wstring_view text, std::wstring_view formatName, DWORD value) {
    ClipboardLock lock(text);
    const UINT format = RegisterClipboardFormatW(std::wstring(formatName).c_str());
    return lock.held() && format && putData(format, &value, sizeof value);
}

bool emptyClipboard() { return ClipboardLock().held(); }

std::optional<std::wstring> clipboardText() {
    if (!openClipboard(clipboardOwner())) return std::nullopt;
    std::optional<std::wstring> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.emplace(p, wcsnlen(p, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::optional<std::wstring> regReadString(HKEY root, std::wstring_view name,
                                          std::wstring_view key) {
    const std::wstring value(name), path(key);
    DWORD bytes = 0;
    if (RegGetValueW(root, path.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(root, path.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

namespace {

bool regWrite(HKEY root, std::wstring_view name, DWORD type, const void* data, DWORD bytes) {
    return RegSetKeyValueW(root, kKeyPath.data(), std::wstring(name).c_str(), type, data, bytes) ==
           ERROR_SUCCESS;
}

}  // namespace

bool regWriteString(HKEY root, std::wstring_view name, std::wstring_view value) {
    const std::wstring data(value);
    return regWrite(root, name, REG_SZ, data.c_str(),
                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

bool regWriteRaw(HKEY root, std::wstring_view name, DWORD type, std::string_view bytes) {
    return regWrite(root, name, type, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void regDeleteKey(HKEY root) {
    RegDeleteTreeW(root, kKeyPath.data());
    RegDeleteKeyW(root, kKeyPath.data());
}

int tooltipToolCount(DWORD pid) {
    int count = 0;
    for (HWND tooltip : topWindows(pid, TOOLTIPS_CLASSW))
        count += static_cast<int>(send(tooltip, TTM_GETTOOLCOUNT).value_or(0));
    return count;
}

std::optional<std::wstring> tooltipTextFor(DWORD pid, HWND control) {
    // TOOLINFO and the text buffer go into the program: pointers in TTM_* messages are not
    // marshalled between processes. comctl32 copies up to INFOTIPSIZE (1024) units.
    struct Remote {
        TTTOOLINFOW info;
        wchar_t text[1024];
    };
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return std::nullopt;
    auto* remote = static_cast<Remote*>(
        VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    std::optional<std::wstring> text;
    for (HWND tooltip : topWindows(pid, TOOLTIPS_CLASSW)) {
        if (!remote || text) break;
        Remote local{};
        local.info.cbSize = sizeof local.info;
        local.info.hwnd = GetParent(control);
        local.info.uId = reinterpret_cast<UINT_PTR>(control);
        local.info.lpszText = remote->text;
        // A tooltip without this tool leaves the text empty.
        if (WriteProcessMemory(process, remote, &local, sizeof local, nullptr) &&
            send(tooltip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(remote)) &&
            ReadProcessMemory(process, remote, &local, sizeof local, nullptr) && local.text[0])
            text.emplace(local.text, wcsnlen(local.text, 1024));
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return text;
}

}  // namespace e2e
