#include "capture/ClipMonitor.h"

namespace pw {

std::optional<ClipboardText> ClipMonitor::Read() {
    const std::uint32_t sequence = clipboard_.sequenceNumber();
    auto clip = clipboard_.read();
    sequence_ = sequence;
    sequenceKnown_ = clip.has_value() && sequence != 0;
    return clip;
}

ClipMonitor::Digest ClipMonitor::DigestOf(std::u16string_view text) {
    // FNV-1a, and a multiply-xorshift lane that does not share its structure.
    std::uint64_t a = 0xcbf29ce484222325, b = 0x9e3779b97f4a7c15;
    for (const char16_t c : text) {
        a = (a ^ c) * 0x100000001b3;
        b = (b ^ c) * 0xff51afd7ed558ccd;
        b ^= b >> 29;
    }
    return {text.size(), a, b};
}

void ClipMonitor::RememberCurrent() {
    const auto clip = Read();
    lastClipText_ = DigestOf(clip ? std::u16string_view(clip->text) : std::u16string_view());
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
    const Digest digest = DigestOf(text);
    // Text a password manager marks as private counts as seen.
    const bool seen =
        windowVisible || clip->confidential || text.empty() || digest == lastClipText_;
    const bool tooShort = limit != 0 && static_cast<std::int64_t>(text.size()) <= limit;
    const bool capture = !seen && !tooShort && !panels.holds(text);
    lastClipText_ = digest;
    if (!capture) return std::nullopt;
    std::optional<std::u16string> captured(std::move(text));  // the panel's, not copied
    return captured;
}

}  // namespace pw
