#pragma once
// On Windows wchar_t is a UTF-16 code unit, so the program's strings pass to the wide API as
// they are, unpaired surrogates included.
#include <windows.h>

#include <string>
#include <string_view>

namespace pw::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* W(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}
inline std::u16string U(const wchar_t* s, std::size_t n) {
    return std::u16string(reinterpret_cast<const char16_t*>(s), n);
}
inline std::u16string U(const std::wstring& s) { return U(s.data(), s.size()); }

}  // namespace pw::win32
