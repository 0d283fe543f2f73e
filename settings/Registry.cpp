#include "settings/Registry.h"

namespace pw {

std::u16string ReadRegString(const Registry& registry, RegRoot root, std::u16string_view subkey,
                             std::u16string_view name) {
    return RegString(registry.query(root, subkey, name));
}

std::u16string RegString(const std::optional<RegValue>& value) {
    if (!value || value->type != RegType::String) return {};
    const std::u16string& data = value->data;
    return data.substr(0, data.find(u'\0'));
}

bool WriteRegString(Registry& registry, RegRoot root, std::u16string_view subkey,
                    std::u16string_view name, std::u16string_view text) {
    return registry.setString(root, subkey, name, text);
}

void DeleteRegValue(Registry& registry, RegRoot root, std::u16string_view subkey,
                    std::u16string_view name) {
    registry.deleteValue(root, subkey, name);
}

}  // namespace pw
