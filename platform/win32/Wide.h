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

// Twips to pixels and back at a given DPI.
inline int Px(double twips, UINT dpi) {
    return static_cast<int>(twips * dpi / 1440.0 + (twips < 0 ? -0.5 : 0.5));
}
inline double Tw(int pixels, UINT dpi) { return pixels * 1440.0 / dpi; }

}  // namespace pw::win32
