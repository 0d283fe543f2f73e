#include "settings/RunEntry.h"

#include "settings/NumberText.h"
#include "settings/Registry.h"
#include "settings/Settings.h"

namespace pw {

namespace {

constexpr RegRoot kRoots[] = {RegRoot::LocalMachine, RegRoot::CurrentUser};
// Value names ignore case: the entry is read and deleted as one and written as the other.
constexpr std::u16string_view kReadName = u"PenWick", kWriteName = u"Penwick";

// The executable's name is fixed; a renamed copy is still looked for under this one.
std::u16string Executable(std::u16string_view programFolder) {
    return ProgramFilePath(programFolder, u"PWick.exe");
}

// Windows runs the value as a command line: unquoted, a path with a space would let a
// "C:\Program.exe" run instead.
std::u16string CommandLine(const std::u16string& path) {
    if (path.find(u' ') == std::u16string::npos) return path;
    return u"\"" + path + u"\"";
}

bool NamesHere(std::u16string_view entry, std::u16string_view programFolder) {
    if (entry.size() >= 2 && entry.front() == u'"' && entry.back() == u'"')
        entry = entry.substr(1, entry.size() - 2);
    return EqualsIgnoringAsciiCase(entry, Executable(programFolder));
}

}  // namespace

bool RunEntryPointsHere(const Registry& registry, std::u16string_view programFolder) {
    for (RegRoot root : kRoots)
        if (NamesHere(ReadRegString(registry, root, kRunKey, kReadName), programFolder))
            return true;
    return false;
}

void UpdateRunEntry(Registry& registry, std::u16string_view programFolder, bool forEveryone,
                    bool autoRun) {
    for (RegRoot root : kRoots) {
        const auto entry = ReadRegString(registry, root, kRunKey, kReadName);
        // A machine-wide value that is not a plain string may well be another program's.
        const bool unusable = entry.empty() && (forEveryone || root == RegRoot::CurrentUser);
        if (unusable || NamesHere(entry, programFolder))
            DeleteRegValue(registry, root, kRunKey, kReadName);
    }
    if (!autoRun) return;
    const auto command = CommandLine(Executable(programFolder));
    // Only an elevated process may write machine-wide.
    if (!forEveryone ||
        !WriteRegString(registry, RegRoot::LocalMachine, kRunKey, kWriteName, command))
        WriteRegString(registry, RegRoot::CurrentUser, kRunKey, kWriteName, command);
}

}  // namespace pw
