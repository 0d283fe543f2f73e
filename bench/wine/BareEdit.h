#pragma once
// What the benchmark driver and BareEdit.exe agree on.
#include <windows.h>

namespace bare_edit {

inline constexpr wchar_t kEditCaption[] = L"BareEdit";
inline constexpr wchar_t kWindowCaption[] = L"BareWindow";
// Sent to the main window; each returns once done.
inline constexpr UINT kLoad = WM_APP + 1;        // the clipboard's text into memory; its length
inline constexpr UINT kShowLoaded = WM_APP + 2;  // that text into the box
inline constexpr UINT kShowEmpty = WM_APP + 3;   // the box emptied

}  // namespace bare_edit
