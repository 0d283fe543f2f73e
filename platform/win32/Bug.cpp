#include "platform/win32/Bug.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace pw::win32 {

void TraceError(std::string_view what) noexcept {
    try {
        std::wstring text = L"PenWick: ";
        // Our messages are ASCII names; anything else shows up as '?' in the trace.
        for (char c : what) text += static_cast<unsigned char>(c) < 0x80 ? wchar_t(c) : L'?';
        text += L'\n';
        OutputDebugStringW(text.c_str());
    } catch (...) {
        OutputDebugStringW(L"PenWick: error while tracing an error\n");
    }
}

void ProgrammingError(std::string_view what) noexcept {
    TraceError(what);
#ifndef NDEBUG
    std::abort();
#endif
}

}  // namespace pw::win32
