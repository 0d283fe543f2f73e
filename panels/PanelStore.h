#pragma once
// The notebook's pages: 1-based, never empty, at most 99.
#include <cstdint>
#include <string>
#include <vector>

namespace pw {

class PanelStore {
  public:
    static constexpr int kMaxPanels = 99;

    PanelStore();

    std::uint8_t count() const { return static_cast<std::uint8_t>(texts_.size()); }
    std::uint8_t current() const { return current_; }
    // Clamped into 1..count.
    void setCurrent(int index);

    const std::u16string& text(int index) const;
    void setText(int index, std::u16string text);
    const std::u16string& currentText() const { return text(current_); }

    bool full() const { return count() >= kMaxPanels; }
    // Appends an empty panel and makes it current; false when the list is full.
    bool append();
    // Removes panel k; the only panel is emptied instead. The current number stays unless it
    // would point past the end.
    void remove(int k);
    // One empty panel, the current one.
    void clear();
    bool holds(const std::u16string& text) const;

  private:
    std::vector<std::u16string> texts_;
    std::uint8_t current_ = 1;
};

}  // namespace pw
