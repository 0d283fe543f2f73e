#pragma once
// Splitting a full file path. Only "\" separates folders; a folder never keeps a trailing "\".
#include <string>
#include <string_view>

namespace pw {

std::u16string FolderOf(std::u16string_view path);
std::u16string FileNameOf(std::u16string_view path);
// The file name up to its last "."; dots in folder names never count.
std::u16string BaseNameOf(std::u16string_view path);
std::u16string ExtensionOf(std::u16string_view path);
// Where a quick save writes panel `i` (1 to 99) when `chosen` was picked: beside it, the
// number in two digits after its base name, so that the files sort in panel order.
std::u16string QuickSaveName(std::u16string_view chosen, int i);

}  // namespace pw
