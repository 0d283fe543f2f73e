#pragma once
// Where the program runs from decides what it may do for everyone on the machine: a copy that
// any user can replace must not be started at everyone's logon.
#include <string>
#include <string_view>

#include "platform/SystemFolders.h"

namespace pw {

// True when the program folder lies in a protected folder (Program Files, the Windows folder).
bool InstalledForEveryone(std::u16string_view programFolder, const SystemFolders& folders);

// Where the save dialog opens until a file was written: the user's Documents for an installed
// copy, whose own folder a standard user cannot write to; the program folder otherwise.
std::u16string FirstSaveFolder(std::u16string_view programFolder, const SystemFolders& folders);

}  // namespace pw
