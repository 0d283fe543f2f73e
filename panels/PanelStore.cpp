#include "panels/PanelStore.h"

#include <algorithm>

namespace pw {

PanelStore::PanelStore() : texts_(1) {}

void PanelStore::setCurrent(int index) {
    current_ = static_cast<std::uint8_t>(std::clamp(index, 1, int{count()}));
}

const std::u16string& PanelStore::text(int index) const {
    return texts_.at(static_cast<std::size_t>(index - 1));
}

void PanelStore::setText(int index, std::u16string text) {
    texts_.at(static_cast<std::size_t>(index - 1)) = std::move(text);
}

bool PanelStore::append() {
    if (full()) return false;
    texts_.emplace_back();
    current_ = count();
    return true;
}

void PanelStore::remove(int k) {
    if (count() == 1) {
        texts_[0].clear();
        return;
    }
    if (k < 1 || k > count()) return;
    texts_.erase(texts_.begin() + (k - 1));
    if (current_ > count()) current_ = count();
}

void PanelStore::clear() {
    texts_.assign(1, std::u16string());
    current_ = 1;
}

bool PanelStore::holds(const std::u16string& text) const {
    return std::find(texts_.begin(), texts_.end(), text) != texts_.end();
}

}  // namespace pw
