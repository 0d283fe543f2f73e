// Stands in for the programs the shell starts (help viewer, editor): writes what it was given,
// its file, working folder and show command, to shell-record.txt beside itself.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring target = argv && argc > 1 ? argv[1] : L"";
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    GetStartupInfoW(&si);
    const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;

    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring record(self);
    record.erase(record.find_last_of(L'\\') + 1);
    record += L"shell-record.txt";
    // UTF-16, as the program handed it over.
    const std::wstring text = target + L"\n" + folder + L"\n" + std::to_wstring(show) + L"\n";
    // Written whole under another name first, so the driver never reads half a record.
    const std::wstring partial = record + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(file);
    MoveFileExW(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING);
    LocalFree(argv);
    return 0;
}
