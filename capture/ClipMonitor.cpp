#include "capture/ClipMonitor.h"

namespace pw {

std::optional<ClipboardText> ClipMonitor::Read() {
    const std::uint32_t sequence = clipboard_.sequenceNumber();
    auto clip = clipboard_.read();
    sequence_ = sequence;
    sequenceKnown_ = clip.has_value() && sequence != 0;
    return clip;
}

void ClipMonitor::RememberCurrent() {
    auto clip = Read();
    lastClipText_ = clip ? std::move(clip->text) : std::u16string();
}

std::optional<std::u16string> ClipMonitor::Poll(bool windowVisible, std::int32_t limit,
                                                const PanelStore& panels) {
    // An unchanged clipboard still holds the last text: nothing to read, nothing to decide.
    if (sequenceKnown_ && clipboard_.sequenceNumber() == sequence_) return std::nullopt;
    auto clip = Read();
    // Another program holds the clipboard: leave everything as it is and read it next time,
    // so that its text is captured then rather than lost.
    if (!clip) return std::nullopt;

    std::u16string& text = clip->text;
    // Text a password manager marks as private counts as seen.
    const bool seen = windowVisible || clip->confidential || text.empty() || text == lastClipText_;
    const bool tooShort = limit != 0 && static_cast<std::int64_t>(text.size()) <= limit;
    const bool capture = !seen && !tooShort && !panels.holds(text);
    lastClipText_ = std::move(text);
    if (!capture) return std::nullopt;
    return lastClipText_;
}

}  // namespace pw
