#pragma once
// The order in which the find command goes through the panels.
#include <cstddef>
#include <optional>

#include "find/TextSearch.h"
#include "panels/PanelStore.h"

namespace pw {

struct FoundText {
    int panel = 0;
    std::size_t start = 0, length = 0;
    bool operator==(const FoundText&) const = default;
};

// Searches the panel on show from `from` to its end, then the panels after it, wrapping from
// the last to the first, and ends with the panel on show before `from`. One panel is read at a
// time; the panel on show as it stands in its editor.
std::optional<FoundText> FindNextInPanels(const PanelStore& panels, std::size_t from,
                                          const TextSearch& search);

}  // namespace pw
