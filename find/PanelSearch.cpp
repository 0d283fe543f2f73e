#include "find/PanelSearch.h"

#include <algorithm>

namespace pw {

std::optional<FoundText> FindNextInPanels(const PanelStore& panels, std::size_t from,
                                          const TextSearch& search) {
    const int count = panels.count(), start = panels.current();
    auto found = [&](int panel, std::optional<std::size_t> at) -> std::optional<FoundText> {
        if (!at) return std::nullopt;
        return FoundText{panel, *at, search.length()};
    };
    const std::u16string& onShow = panels.text(start);
    from = std::min(from, onShow.size());
    if (auto match = found(start, search.FindIn(onShow, from))) return match;
    for (int step = 1; step < count; ++step) {
        const int panel = (start - 1 + step) % count + 1;
        if (auto match = found(panel, search.FindIn(panels.text(panel), 0))) return match;
    }
    if (from == 0) return std::nullopt;
    return found(start, search.FindIn(panels.text(start), 0, from - 1));
}

}  // namespace pw
