#include "platform/win32/Win32Services.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <iterator>
#include <new>

#include "platform/win32/Bug.h"
#include "platform/win32/SystemDll.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

namespace {

HKEY RootKey(RegRoot root) {
    return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

RegType TypeOf(DWORD type) {
    switch (type) {
        case REG_SZ:
            return RegType::String;
        case REG_EXPAND_SZ:
            return RegType::ExpandString;
        case REG_DWORD:
        case REG_QWORD:
            return RegType::Number;
        case REG_BINARY:
            return RegType::Binary;
        default:
            return RegType::Other;
    }
}

OwnedKey OpenKey(RegRoot root, std::u16string_view subkey, REGSAM access, bool create) {
    const std::u16string path(subkey);
    HKEY key = nullptr;
    const LSTATUS status = create ? RegCreateKeyExW(RootKey(root), W(path), 0, nullptr, 0, access,
                                                    nullptr, &key, nullptr)
                                  : RegOpenKeyExW(RootKey(root), W(path), 0, access, &key);
    return OwnedKey(status == ERROR_SUCCESS ? key : nullptr);
}

// One value of an open key.
std::optional<RegValue> QueryValue(HKEY key, std::u16string_view name) {
    const std::u16string valueName(name);
    // Nearly every value is short: one call reads it whole, and only a long one needs its
    // size asked first. Zeroed, so that an odd byte count leaves a whole last unit.
    char16_t shortData[256] = {};
    DWORD shortType = 0, shortSize = sizeof shortData;
    const LSTATUS first = RegQueryValueExW(key, W(valueName), nullptr, &shortType,
                                           reinterpret_cast<BYTE*>(shortData), &shortSize);
    if (first == ERROR_SUCCESS) {
        RegValue value{TypeOf(shortType), {}};
        if (value.type == RegType::String || value.type == RegType::ExpandString)
            value.data.assign(shortData, (shortSize + 1) / 2);
        return value;
    }
    if (first != ERROR_MORE_DATA) return std::nullopt;
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(key, W(valueName), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        RegValue value{TypeOf(type), {}};
        if (value.type != RegType::String && value.type != RegType::ExpandString) return value;
        std::u16string data((size + 1) / 2, u'\0');
        DWORD got = static_cast<DWORD>(data.size() * 2);
        const LSTATUS status = RegQueryValueExW(key, W(valueName), nullptr, &type,
                                                reinterpret_cast<BYTE*>(data.data()), &got);
        if (status == ERROR_MORE_DATA) continue;  // the value grew between the two calls
        if (status != ERROR_SUCCESS) return std::nullopt;
        data.resize((got + 1) / 2);
        value.type = TypeOf(type);
        value.data = std::move(data);
        return value;
    }
    return std::nullopt;
}

}  // namespace

std::optional<RegValue> Win32Registry::query(RegRoot root, std::u16string_view subkey,
                                             std::u16string_view name) const {
    const OwnedKey key = OpenKey(root, subkey, KEY_QUERY_VALUE, false);
    if (!key) return std::nullopt;
    return QueryValue(key.get(), name);
}

std::vector<std::optional<RegValue>> Win32Registry::queryAll(
    RegRoot root, std::u16string_view subkey, std::span<const std::u16string_view> names) const {
    std::vector<std::optional<RegValue>> values(names.size());
    const OwnedKey key = OpenKey(root, subkey, KEY_QUERY_VALUE, false);
    if (!key) return values;
    for (std::size_t i = 0; i < names.size(); ++i) values[i] = QueryValue(key.get(), names[i]);
    return values;
}

bool Win32Registry::setString(RegRoot root, std::u16string_view subkey, std::u16string_view name,
                              std::u16string_view text) {
    const OwnedKey key = OpenKey(root, subkey, KEY_SET_VALUE, true);
    if (!key) return false;
    const std::u16string valueName(name), data(text);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(char16_t));
    return RegSetValueExW(key.get(), W(valueName), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Registry::deleteValue(RegRoot root, std::u16string_view subkey,
                                std::u16string_view name) {
    const OwnedKey key = OpenKey(root, subkey, KEY_SET_VALUE, false);
    if (!key) return false;
    const std::u16string valueName(name);
    return RegDeleteValueW(key.get(), W(valueName)) == ERROR_SUCCESS;
}

Win32Clipboard::Win32Clipboard()
    // Password managers mark what they copy with these, asking monitors to look away.
    : excludeFormat_(RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing")),
      historyFormat_(RegisterClipboardFormatW(L"CanIncludeInClipboardHistory")) {}

std::uint32_t Win32Clipboard::sequenceNumber() const { return GetClipboardSequenceNumber(); }

namespace {

// The clipboard's text up to its terminating NUL, but never past the end of the block.
std::u16string UnicodeText() {
    const GlobalLocked<wchar_t> data(GetClipboardData(CF_UNICODETEXT));
    if (!data.get()) return {};
    const std::size_t n = std::find(data.get(), data.get() + data.size(), L'\0') - data.get();
    return U(data.get(), n);
}

bool HoldsDwordZero(UINT format) {
    if (!format || !IsClipboardFormatAvailable(format)) return false;
    const GlobalLocked<DWORD> data(GetClipboardData(format));
    return data.size() >= 1 && *data.get() == 0;
}

}  // namespace

std::optional<ClipboardText> Win32Clipboard::read() {
    const OpenedClipboard open;
    if (!open) return std::nullopt;
    ClipboardText clip;
    // The marks first: a private text is never copied into this process, not even for a look.
    clip.confidential = (excludeFormat_ && IsClipboardFormatAvailable(excludeFormat_)) ||
                        HoldsDwordZero(historyFormat_);
    if (clip.confidential || !IsClipboardFormatAvailable(CF_UNICODETEXT)) return clip;
    try {
        clip.text = UnicodeText();
    } catch (const std::bad_alloc&) {
        // Left on the clipboard unread, as if it held no text: the monitor reads it again only
        // once the clipboard changes, rather than failing the same way on every tick.
        TraceError("clipboard text too large to copy");
        clip.text.clear();
    }
    return clip;
}

Win32NotifyIcon::Win32NotifyIcon(HINSTANCE instance)
    : instance_(instance), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

HICON Win32NotifyIcon::icon(int which) {
    if (which < 0 || which >= 3) return nullptr;
    if (!icons_[which]) {
        const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
        icons_[which].reset(static_cast<HICON>(
            LoadImageW(instance_, MAKEINTRESOURCEW(which + 1), IMAGE_ICON, cx, cy, 0)));
    }
    return icons_[which].get();
}

bool Win32NotifyIcon::notify(NotifyAction action, const TrayIconData& data) {
    auto* form = dynamic_cast<Win32Form*>(data.hWnd);
    if (!form) return false;
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = form->hwnd();
    nid.uID = data.uID;
    nid.uFlags = data.uFlags;
    nid.uCallbackMessage = data.uCallbackMessage;
    nid.hIcon = icon(static_cast<int>(data.hIcon));
    const std::size_t tipLength =
        std::min<std::size_t>(data.szTip.size(), std::size(nid.szTip) - 1);
    std::copy_n(data.szTip.data(), tipLength, nid.szTip);
    const DWORD message = action == NotifyAction::Add      ? NIM_ADD
                          : action == NotifyAction::Modify ? NIM_MODIFY
                                                           : NIM_DELETE;
    static auto* const notifyIcon =
        SystemFunction<decltype(Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
    return notifyIcon && notifyIcon(message, &nid) != FALSE;
}

void Win32Sound::playAsync(const std::u16string& path) {
    static auto* const play =
        SystemFunction<decltype(sndPlaySoundW)>(L"winmm.dll", "sndPlaySoundW");
    if (play) play(W(path), SND_ASYNC);
}

bool Win32InstanceLock::acquire() {
    mutex_.reset(CreateMutexW(nullptr, FALSE, L"Local\\Velmora.PenWick.SingleInstance"));
    if (!mutex_) return true;  // without the lock, run rather than refuse to start
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

std::u16string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    // Long names, as the system names its own folders (a start by a short name gives short
    // ones). Short names the system makes up for long ones hold a tilde; without one there is
    // nothing to look up, and the look-up walks the disk folder by folder.
    if (path.find(L'~') != std::wstring::npos) {
        std::wstring longPath(path.size() + MAX_PATH, L'\0');
        const DWORD n =
            GetLongPathNameW(path.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
        if (n > 0 && n < longPath.size()) path.assign(longPath.data(), n);
    }
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    std::wstring folder = path.substr(0, slash);
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return U(folder);
}

SystemFolders KnownSystemFolders() {
    SystemFolders folders;
    // Where the system keeps the Program Files folders' names; the shell reads them from here.
    constexpr std::u16string_view names[] = {u"ProgramFilesDir", u"ProgramFilesDir (x86)"};
    for (const auto& value : Win32Registry().queryAll(
             RegRoot::LocalMachine, u"Software\\Microsoft\\Windows\\CurrentVersion", names)) {
        if (!value || value->type != RegType::String) continue;
        std::u16string path = value->data.substr(0, value->data.find(u'\0'));
        if (!path.empty()) folders.protectedFolders.push_back(std::move(path));
    }
    wchar_t windows[MAX_PATH] = {};
    const UINT n = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (n > 0 && n < MAX_PATH) folders.protectedFolders.push_back(U(windows, n));
    folders.documents = [] {
        static auto* const folderPath =
            SystemFunction<decltype(SHGetFolderPathW)>(L"shell32.dll", "SHGetFolderPathW");
        wchar_t path[MAX_PATH] = {};
        if (!folderPath ||
            folderPath(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
            return std::u16string();
        return U(path, std::wcslen(path));
    };
    return folders;
}

}  // namespace pw::win32
