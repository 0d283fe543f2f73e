#pragma once
// The value that makes Windows start the program at logon. An installed copy starts for everyone
// where it may write the machine-wide key; any other copy starts for its own user only.
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace pw {

inline constexpr std::u16string_view kRunKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// True when either key's entry names this program's executable, quoted or not.
bool RunEntryPointsHere(const Registry& registry, std::u16string_view programFolder);

// Removes the entries that name this program or hold nothing usable, then, when `autoRun`,
// writes one: machine-wide only for an installed copy (`forEveryone`). A portable copy leaves
// every other machine-wide entry alone. Entries naming another copy stay unless the new entry
// replaces them.
void UpdateRunEntry(Registry& registry, std::u16string_view programFolder, bool forEveryone,
                    bool autoRun);

}  // namespace pw
