#pragma once
#include <string>
#include <vector>

namespace pw {

// Folders as the system names them, without a trailing backslash; empty where it cannot tell.
struct SystemFolders {
    // Program Files (both of them) and the Windows folder: only administrators may change
    // what lies under them.
    std::vector<std::u16string> protectedFolders;
    std::u16string documents;  // the user's Documents
};

}  // namespace pw
