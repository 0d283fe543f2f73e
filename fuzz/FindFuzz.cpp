// The find command's search on any panels: a reported match is where the needle and the panel
// read alike, compared unit for unit after this file's own mapping, and no position before it
// in search order (on from the start in the panel on show, through the following panels, then
// the panel on show before the start) reads alike.
#include <cstdint>
#include <optional>

#include "convert/ChineseConverter.h"
#include "find/PanelSearch.h"
#include "fuzz/FuzzSupport.h"

namespace pw {
namespace {

char16_t Mapped(char16_t u, FindOptions options) {
    if (options.sameForm) u = SameFormOfEachUnit()[u];
    if (!options.matchCase && ((u >= u'A' && u <= u'Z') || (u >= u'Ａ' && u <= u'Ｚ'))) u += 32;
    return u;
}

bool ReadsAlike(std::u16string_view text, std::size_t at, std::u16string_view needle,
                FindOptions options) {
    if (needle.empty() || at + needle.size() > text.size()) return false;
    for (std::size_t k = 0; k < needle.size(); ++k)
        if (Mapped(text[at + k], options) != Mapped(needle[k], options)) return false;
    return true;
}

// Every place in search order, tried one by one: the panel on show from `from`, the others,
// and the panel on show again before `from`.
std::optional<FoundText> FirstInSearchOrder(const PanelStore& panels, std::size_t from,
                                            std::u16string_view needle, FindOptions options) {
    const int count = panels.count(), start = panels.current();
    from = std::min(from, panels.text(start).size());
    for (int step = 0; step <= count; ++step) {
        const int panel = (start - 1 + step) % count + 1;
        const std::u16string& text = panels.text(panel);
        const std::size_t end = step == count ? from : text.size() + 1;
        for (std::size_t at = step == 0 ? from : 0; at < end; ++at)
            if (ReadsAlike(text, at, needle, options)) return FoundText{panel, at, needle.size()};
    }
    return std::nullopt;
}

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    const FindOptions options{in.ConsumeBool(), in.ConsumeBool()};
    PanelStore panels;
    const int count = in.ConsumeIntegralInRange(1, 4);
    for (int i = 1; i <= count; ++i)
        if (i == 1 || panels.append()) panels.setText(i, fuzz::TakeText(in, 512));
    panels.setCurrent(in.ConsumeIntegralInRange(1, count));
    const auto from = in.ConsumeIntegralInRange<std::size_t>(0, 300);
    // Often a piece of a panel, so that matches are common.
    std::u16string needle = fuzz::TakeText(in, 16);
    if (in.ConsumeBool()) {
        const std::u16string& text = panels.text(in.ConsumeIntegralInRange(1, count));
        const auto at = in.ConsumeIntegralInRange<std::size_t>(0, text.size());
        needle = text.substr(at, in.ConsumeIntegralInRange<std::size_t>(0, 6));
    }
    const auto found = FindNextInPanels(panels, from, TextSearch(needle, options));
    PW_FUZZ_CHECK(found == FirstInSearchOrder(panels, from, needle, options));
    return 0;
}
