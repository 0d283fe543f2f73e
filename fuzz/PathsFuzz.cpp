// The path routines on arbitrary texts: the parts of a path give the path back, and a quick
// save's names stay apart and beside the chosen file.
#include <cstdint>
#include <set>

#include "fuzz/FuzzSupport.h"
#include "saving/Paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    const std::u16string path = fuzz::TakeText(in, 1024);
    const std::u16string folder = FolderOf(path), name = FileNameOf(path);
    const std::u16string base = BaseNameOf(path), extension = ExtensionOf(path);
    PW_FUZZ_CHECK(name.find(u'\\') == std::u16string::npos);
    if (path.find(u'\\') != std::u16string::npos)
        PW_FUZZ_CHECK(folder + u"\\" + name == path);
    else
        PW_FUZZ_CHECK(folder.empty() && name == path);
    // The name is its base and, after its last dot, its extension.
    PW_FUZZ_CHECK(extension.find(u'.') == std::u16string::npos);
    if (name.find(u'.') != std::u16string::npos)
        PW_FUZZ_CHECK(base + u"." + extension == name);
    else
        PW_FUZZ_CHECK(base == name && extension.empty());
    std::set<std::u16string> quickNames;
    for (int i = 1; i <= 99; ++i) quickNames.insert(QuickSaveName(path, i));
    PW_FUZZ_CHECK(quickNames.size() == 99);
    for (const auto& quick : quickNames) PW_FUZZ_CHECK(FolderOf(quick) == folder);
    return 0;
}
