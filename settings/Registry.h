#pragma once
// The three registry operations of the program.
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace pw {

// The value's text up to its first NUL; empty when the key or value is missing or the value
// is not a plain string.
std::u16string ReadRegString(const Registry& registry, RegRoot root, std::u16string_view subkey,
                             std::u16string_view name);
// The same for a value already read.
std::u16string RegString(const std::optional<RegValue>& value);
// True when the value was stored; most callers skip a failed write silently.
bool WriteRegString(Registry& registry, RegRoot root, std::u16string_view subkey,
                    std::u16string_view name, std::u16string_view text);
void DeleteRegValue(Registry& registry, RegRoot root, std::u16string_view subkey,
                    std::u16string_view name);

}  // namespace pw
