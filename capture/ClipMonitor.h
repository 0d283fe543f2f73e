#pragma once
// The clipboard monitor: decides which clipboard texts become panels.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "panels/PanelStore.h"
#include "platform/Clipboard.h"

namespace pw {

class ClipMonitor {
  public:
    explicit ClipMonitor(Clipboard& clipboard) : clipboard_(clipboard) {}

    // Takes the clipboard's present text as already seen (start-up, switching watching on,
    // applied options): an unreadable clipboard counts as empty.
    void RememberCurrent();

    // One tick of the timer. Returns the text to capture, if any; every text read becomes the
    // last one seen. `limit` is the length a text must exceed, 0 for none.
    std::optional<std::u16string> Poll(bool windowVisible, std::int32_t limit,
                                       const PanelStore& panels);

    // Whether `text` is the last one seen.
    bool IsLastClipText(std::u16string_view text) const { return DigestOf(text) == lastClipText_; }

  private:
    // What is kept of the last text seen: its length and two independent 64-bit hashes, enough
    // to recognise it again (two different texts agree by chance about once in 2^128). The
    // text itself is not kept, so that a large or private text copied once does not stay in
    // memory while the program idles.
    struct Digest {
        std::size_t length;
        std::uint64_t a, b;
        bool operator==(const Digest&) const = default;
    };
    static Digest DigestOf(std::u16string_view text);
    std::optional<ClipboardText> Read();

    Clipboard& clipboard_;
    Digest lastClipText_ = DigestOf({});
    // The clipboard's sequence number when lastClipText_ was read from it, so that an
    // unchanged clipboard, however large its text, costs nothing to poll.
    std::uint32_t sequence_ = 0;
    bool sequenceKnown_ = false;
};

}  // namespace pw
