#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace pw {

struct ClipboardText {
    // Empty when the clipboard holds no text, when its text is too large to copy, and when it
    // is confidential: such a text is never copied.
    std::u16string text;
    // The program that put it there (a password manager) asked monitors to leave it alone.
    bool confidential = false;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The clipboard's Unicode text; nullopt when it cannot be read now (another program holds
    // it open), so that it is worth reading again before the clipboard changes.
    virtual std::optional<ClipboardText> read() = 0;
    // Changes whenever the clipboard's contents change; 0 where the system cannot tell.
    virtual std::uint32_t sequenceNumber() const = 0;
};

}  // namespace pw
