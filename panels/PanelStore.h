#pragma once
// The notebook's pages: 1-based, never empty, at most 99.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pw {

class PanelStore {
  public:
    static constexpr int kMaxPanels = 99;

    PanelStore();

    // The panel on show is edited in place elsewhere (the main window's text box). Copying
    // the whole text there on every keystroke would make typing slower the larger the panel,
    // so an edit only marks the panel, and the first read after it fetches the text from
    // `editor`, once. Every read and change of the list goes through that step, so nobody
    // sees a stale text.
    void setEditor(std::function<std::u16string()> editor);
    void markEdited() { edited_ = true; }
    // The editor was just filled from the store and holds exactly its text again.
    void markInStep() { edited_ = false; }

    std::uint8_t count() const { return static_cast<std::uint8_t>(texts_.size()); }
    std::uint8_t current() const { return current_; }
    // Clamped into 1..count.
    void setCurrent(int index);

    const std::u16string& text(int index) const;
    // Replacing the panel on show wins over an edit not yet fetched.
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
    // Brings the panel on show up to date with its editor.
    void Sync() const;

    // Mutable so that reading a panel can fetch the editor's text.
    mutable std::vector<std::u16string> texts_;
    mutable bool edited_ = false;
    std::function<std::u16string()> editor_;
    std::uint8_t current_ = 1;
};

}  // namespace pw
