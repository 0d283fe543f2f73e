#pragma once
// Who the program is, to Windows and to anything that drives it from outside.
#include <cstdint>
#include <string_view>

#include "PenWickVersion.h"

namespace pw {

inline constexpr std::u16string_view kProductName = u"PenWick";
inline constexpr std::u16string_view kMainCaption = u"PenWick " PW_VERSION_SHORT;
inline constexpr std::u16string_view kSettingsKey = u"Software\\Velmora\\PenWick";

struct ProgramVersion {
    int major = PW_VERSION_MAJOR, minor = PW_VERSION_MINOR, revision = PW_VERSION_BUILD;
};

// The notification-area icon and the message its clicks arrive with (WM_USER + 42).
inline constexpr std::uint32_t kTrayIconId = 61860;
inline constexpr std::uint32_t kTrayCallbackMessage = 1066;

}  // namespace pw
