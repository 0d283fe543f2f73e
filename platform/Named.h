#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace pw {

// The element of a window's name-keyed map. A name missing from the layout table is a
// programming error, not a run-time condition.
template <typename Map>
auto& FindNamed(Map& map, std::string_view name) {
    auto it = map.find(name);
    if (it == map.end()) throw std::out_of_range("no such element: " + std::string(name));
    return *it->second;
}

}  // namespace pw
