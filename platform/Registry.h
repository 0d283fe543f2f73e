#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

enum class RegRoot { CurrentUser, LocalMachine };
enum class RegType { String, ExpandString, Number, Binary, Other };

struct RegValue {
    RegType type = RegType::String;
    // For string types, the stored UTF-16 units exactly as stored, terminating NULs included.
    std::u16string data;
};

// A store of named values under keys, in a per-user and a machine-wide scope.
class Registry {
  public:
    virtual ~Registry() = default;
    // nullopt when the key or the value does not exist or cannot be read.
    virtual std::optional<RegValue> query(RegRoot root, std::u16string_view subkey,
                                          std::u16string_view name) const = 0;
    // Several values of one key, in the order of their names: what query gives for each, read
    // together, where a store can, through one opening of the key.
    virtual std::vector<std::optional<RegValue>> queryAll(
        RegRoot root, std::u16string_view subkey,
        std::span<const std::u16string_view> names) const {
        std::vector<std::optional<RegValue>> values;
        values.reserve(names.size());
        for (const auto name : names) values.push_back(query(root, subkey, name));
        return values;
    }
    // Creates the key and any missing parents; stores a plain string.
    virtual bool setString(RegRoot root, std::u16string_view subkey, std::u16string_view name,
                           std::u16string_view text) = 0;
    virtual bool deleteValue(RegRoot root, std::u16string_view subkey,
                             std::u16string_view name) = 0;
};

}  // namespace pw
