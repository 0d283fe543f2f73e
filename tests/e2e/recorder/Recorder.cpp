// Stands in for the programs the shell starts (help viewer, editor): writes what it was given,
// its command line, working folder and show command, in UTF-16 to shell-record.txt beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int show) {
    wchar_t folder[MAX_PATH] = {}, self[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring record(self);
    record.replace(record.find_last_of(L'\\') + 1, std::wstring::npos, L"shell-record.txt");
    const std::wstring text =
        std::wstring(commandLine) + L"\n" + folder + L"\n" + std::to_wstring(show) + L"\n";
    FILE* file = _wfopen(record.c_str(), L"wb");
    if (!file) return 1;
    std::fwrite(text.data(), sizeof(wchar_t), text.size(), file);
    return std::fclose(file);
}
