#pragma once
// The clipboard monitor: decides which clipboard texts become panels.
#include <cstdint>
#include <optional>
#include <string>

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

    const std::u16string& lastClipText() const { return lastClipText_; }

  private:
    std::optional<ClipboardText> Read();

    Clipboard& clipboard_;
    std::u16string lastClipText_;
    // The clipboard's sequence number when lastClipText_ was read from it, so that an
    // unchanged clipboard, however large its text, costs nothing to poll.
    std::uint32_t sequence_ = 0;
    bool sequenceKnown_ = false;
};

}  // namespace pw
