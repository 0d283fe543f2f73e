#include "platform/win32/Win32Files.h"

#include <commdlg.h>

#include <algorithm>
#include <climits>

#include "platform/win32/Bug.h"
#include "platform/win32/Owned.h"
#include "platform/win32/SystemDll.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

namespace {

// CreateFileW fails with a handle value that is not null.
OwnedHandle Opened(HANDLE h) { return OwnedHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

std::wstring Hex(unsigned n) {
    std::wstring digits(8, L'0');
    for (int i = 7; i >= 0; --i, n >>= 4) digits[i] = L"0123456789abcdef"[n & 15];
    return digits;
}

// A file created beside the target that is deleted unless it was moved over the target.
class TempFile {
  public:
    explicit TempFile(const std::wstring& target) {
        const auto slash = target.rfind(L'\\');
        const std::wstring folder = slash == target.npos ? L"." : target.substr(0, slash);
        const unsigned seed = GetCurrentProcessId() * 2654435761u ^ GetTickCount();
        for (unsigned attempt = 0; attempt < 16; ++attempt) {
            path_ = folder + L"\\~pw" + Hex(seed + attempt * 7919u) + L".tmp";
            file_ = Opened(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
            if (file_ || GetLastError() != ERROR_FILE_EXISTS) break;
        }
        created_ = static_cast<bool>(file_);
    }
    ~TempFile() {
        file_.reset();
        if (created_ && !moved_) DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool write(std::string_view bytes) {
        if (!file_) return false;
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD done = 0;
            if (!WriteFile(file_.get(), bytes.data(), chunk, &done, nullptr) || done == 0)
                return false;
            bytes.remove_prefix(done);
        }
        // Flushed, so that the move below never puts a file with unwritten data in place.
        const bool flushed = FlushFileBuffers(file_.get());
        file_.reset();
        return flushed;
    }

    // A rename within the folder: the target holds either its old or its new content. (Wine's
    // ReplaceFileW leaves a file of its own behind when the target is locked.)
    bool moveOver(const std::wstring& target) {
        moved_ = MoveFileExW(path_.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        return moved_;
    }

  private:
    std::wstring path_;
    OwnedHandle file_;
    bool created_ = false, moved_ = false;
};

std::wstring FullPath(std::u16string_view path) {
    const std::wstring given(reinterpret_cast<const wchar_t*>(path.data()), path.size());
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0) return given;
        if (n < full.size()) return full.substr(0, n);
        full.resize(n);
    }
}

}  // namespace

bool Win32Files::exists(std::u16string_view path) const {
    return GetFileAttributesW(FullPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> Win32Files::read(std::u16string_view path) const {
    const OwnedHandle file =
        Opened(CreateFileW(FullPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size)) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t have = 0;
    while (have < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - have, 1u << 30));
        DWORD done = 0;
        if (!ReadFile(file.get(), bytes.data() + have, chunk, &done, nullptr)) return std::nullopt;
        if (done == 0) break;  // the file shrank meanwhile
        have += done;
    }
    bytes.resize(have);
    return bytes;
}

bool Win32Files::replace(std::u16string_view path, std::string_view bytes) {
    const std::wstring target = FullPath(path);
    TempFile temp(target);
    return temp.write(bytes) && temp.moveOver(target);
}

bool Win32AnsiCodePage::encode(std::u16string_view text, std::string& out) const {
    if (text.empty()) return true;
    if (text.size() > INT_MAX / 3) return false;
    const std::size_t start = out.size();
    const auto& table = Table();
    if (table.empty()) {
        // A code page without the table (UTF-8) converts whole.
        out.resize(start + text.size() * 3);
        const int n = WideCharToMultiByte(CP_ACP, WC_ERR_INVALID_CHARS,
                                          reinterpret_cast<const wchar_t*>(text.data()),
                                          static_cast<int>(text.size()), out.data() + start,
                                          static_cast<int>(out.size() - start), nullptr, nullptr);
        out.resize(n > 0 ? start + n : start);
        return n > 0;
    }
    // Two bytes are stored for every unit and the next one overwrites the second of a single
    // byte: no branch on the width, which costs as much as the lookup.
    out.resize(start + text.size() * 2);
    char* p = out.data() + start;
    for (char16_t c : text) {
        const std::uint16_t code = table[c];
        if (code == kNone) {
            out.resize(start);
            return false;
        }
        const bool two = code > 0xFF;
        p[0] = static_cast<char>(two ? code >> 8 : code);
        p[1] = static_cast<char>(code & 0xFF);
        p += 1 + two;
    }
    out.resize(p - out.data());
    return true;
}

const std::vector<std::uint16_t>& Win32AnsiCodePage::Table() const {
    if (!table_.empty() || tableTried_) return table_;
    tableTried_ = true;
    CPINFO info;
    const UINT acp = GetACP();
    if (acp == CP_UTF8 || !GetCPInfo(acp, &info) || info.MaxCharSize > 2) return table_;
    // Single- and double-byte code pages map each UTF-16 unit on its own, so one lookup per
    // unit gives what a conversion of the whole text gives; the system's conversion with the
    // check for characters it lacks is many times slower than a table.
    table_.assign(0x10000, kNone);
    for (unsigned c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        const wchar_t w = static_cast<wchar_t>(c);
        char bytes[4];
        BOOL usedDefault = FALSE;
        const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &w, 1, bytes, sizeof bytes,
                                          nullptr, &usedDefault);
        if (usedDefault || n < 1 || n > 2) continue;
        table_[c] = n == 1 ? static_cast<unsigned char>(bytes[0])
                           : static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                                        static_cast<unsigned char>(bytes[1]));
    }
    return table_;
}

std::optional<std::u16string> Win32AnsiCodePage::decode(std::string_view bytes) const {
    if (bytes.empty()) return std::u16string();
    if (bytes.size() > INT_MAX) return std::nullopt;
    std::u16string out(bytes.size(), u'\0');
    const int n = MultiByteToWideChar(
        CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
        reinterpret_cast<wchar_t*>(out.data()), static_cast<int>(out.size()));
    if (n <= 0) return std::nullopt;
    out.resize(n);
    return out;
}

std::optional<std::u16string> Win32FileDialog::show(Form* owner, const FileDialogRequest& request) {
    std::u16string filter;
    for (const auto& [description, pattern] : request.filter)
        filter.append(description).append(1, u'\0').append(pattern).append(1, u'\0');
    filter.append(1, u'\0');
    // Room for any path the system can hand back.
    std::u16string file(32768, u'\0');
    file.replace(0, std::min(request.fileName.size(), file.size() - 1), request.fileName);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    if (auto* form = dynamic_cast<Win32Form*>(owner)) ofn.hwndOwner = form->hwnd();
    ofn.lpstrFilter = W(filter);
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = reinterpret_cast<wchar_t*>(file.data());
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : W(request.initialFolder);
    ofn.lpstrTitle = W(request.title);
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (request.promptReplace) ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (request.mustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    static auto* const save =
        SystemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    static auto* const open =
        SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    static auto* const lastError =
        SystemFunction<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    if (!save || !open || !lastError) {
        TraceError("the file dialogs cannot be loaded");
        return std::nullopt;
    }
    const BOOL chosen = request.save ? save(&ofn) : open(&ofn);
    if (!chosen) {
        // Not a cancel: the caller treats it as one, but it leaves a trace.
        if (lastError() != 0) TraceError("the file dialog could not be shown");
        return std::nullopt;
    }
    file.resize(file.find(u'\0'));
    return file;
}

}  // namespace pw::win32
