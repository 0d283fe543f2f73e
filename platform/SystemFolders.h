#pragma once
#include <functional>
#include <string>
#include <vector>

namespace pw {

// Folders as the system names them, without a trailing backslash; empty where it cannot tell.
struct SystemFolders {
    // Program Files (both of them) and the Windows folder: only administrators may change
    // what lies under them.
    std::vector<std::u16string> protectedFolders;
    // The user's Documents: asked for only when needed, since asking loads the shell.
    std::function<std::u16string()> documents;
};

}  // namespace pw
