#include "settings/Installation.h"

#include "settings/NumberText.h"

namespace pw {

namespace {

// `folder` is `parent` or lies somewhere below it; letters compare without regard to case.
bool Within(std::u16string_view folder, std::u16string_view parent) {
    while (!parent.empty() && parent.back() == u'\\') parent.remove_suffix(1);
    if (parent.empty() || folder.size() < parent.size()) return false;
    // A way back up out of the parent.
    if (folder.find(u"\\..\\") != folder.npos || folder.ends_with(u"\\..")) return false;
    return EqualsIgnoringAsciiCase(folder.substr(0, parent.size()), parent) &&
           (folder.size() == parent.size() || folder[parent.size()] == u'\\');
}

}  // namespace

bool InstalledForEveryone(std::u16string_view programFolder, const SystemFolders& folders) {
    for (const auto& parent : folders.protectedFolders)
        if (Within(programFolder, parent)) return true;
    return false;
}

std::u16string FirstSaveFolder(std::u16string_view programFolder, const SystemFolders& folders) {
    if (InstalledForEveryone(programFolder, folders) && folders.documents)
        if (auto documents = folders.documents(); !documents.empty()) return documents;
    return std::u16string(programFolder);
}

}  // namespace pw
