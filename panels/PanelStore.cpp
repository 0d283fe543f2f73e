#include "panels/PanelStore.h"

#include <algorithm>

namespace pw {

PanelStore::PanelStore() : texts_(1) {}

void PanelStore::Sync() const {
    if (!edited_) return;
    // Marked in step only once the text is here: a fetch that fails keeps the typing unread.
    if (editor_) texts_.at(static_cast<std::size_t>(current_ - 1)) = editor_();
    edited_ = false;
}

void PanelStore::setEditor(std::function<std::u16string()> editor) {
    Sync();
    editor_ = std::move(editor);
}

void PanelStore::setCurrent(int index) {
    Sync();
    current_ = static_cast<std::uint8_t>(std::clamp(index, 1, int{count()}));
}

const std::u16string& PanelStore::text(int index) const {
    Sync();
    return texts_.at(static_cast<std::size_t>(index - 1));
}

void PanelStore::setText(int index, std::u16string text) {
    if (index == current_)
        edited_ = false;
    else
        Sync();
    texts_.at(static_cast<std::size_t>(index - 1)) = std::move(text);
}

bool PanelStore::append() {
    if (full()) return false;
    Sync();
    texts_.emplace_back();
    current_ = count();
    return true;
}

void PanelStore::remove(int k) {
    Sync();
    if (count() == 1) {
        texts_[0].clear();
        return;
    }
    if (k < 1 || k > count()) return;
    texts_.erase(texts_.begin() + (k - 1));
    if (current_ > count()) current_ = count();
}

void PanelStore::clear() {
    edited_ = false;
    texts_.assign(1, std::u16string());
    current_ = 1;
}

bool PanelStore::holds(const std::u16string& text) const {
    Sync();
    return std::find(texts_.begin(), texts_.end(), text) != texts_.end();
}

}  // namespace pw
