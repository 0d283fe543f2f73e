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

}  // namespace pw
