#pragma once
// The value that makes Windows start the program at logon. The machine-wide key is the first
// choice; a user who may not write there gets the same value under the per-user key.
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace pw {

inline constexpr std::u16string_view kRunKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// True when either key's entry names this program's executable, quoted or not.
bool RunEntryPointsHere(const Registry& registry, std::u16string_view programFolder);

// Removes the entries that name this program (or hold nothing usable), then, when `autoRun`,
// writes one. Entries naming another copy stay unless the new entry replaces them.
void UpdateRunEntry(Registry& registry, std::u16string_view programFolder, bool autoRun);

}  // namespace pw
