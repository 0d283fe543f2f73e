#include "saving/Paths.h"

#include <cstdint>

#include "settings/NumberText.h"

namespace pw {

std::u16string FolderOf(std::u16string_view path) {
    const auto slash = path.rfind(u'\\');
    return std::u16string(slash == path.npos ? std::u16string_view{} : path.substr(0, slash));
}

std::u16string FileNameOf(std::u16string_view path) {
    const auto slash = path.rfind(u'\\');
    return std::u16string(slash == path.npos ? path : path.substr(slash + 1));
}

std::u16string BaseNameOf(std::u16string_view path) {
    std::u16string name = FileNameOf(path);
    const auto dot = name.rfind(u'.');
    if (dot != name.npos) name.resize(dot);
    return name;
}

std::u16string ExtensionOf(std::u16string_view path) {
    const std::u16string name = FileNameOf(path);
    const auto dot = name.rfind(u'.');
    return dot == name.npos ? std::u16string{} : name.substr(dot + 1);
}

std::u16string QuickSaveName(std::u16string_view chosen, int i) {
    std::u16string name = FolderOf(chosen) + u"\\" + BaseNameOf(chosen);
    if (i < 10) name += u'0';
    return name + NumText(std::int64_t{i}) + u"." + ExtensionOf(chosen);
}

}  // namespace pw
