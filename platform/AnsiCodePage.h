#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The system's ANSI code page, in which text files are written when their text fits it.
class AnsiCodePage {
  public:
    virtual ~AnsiCodePage() = default;
    // Appends the text in the code page to out; false, with out as it was, when a character
    // has no exact counterpart in the code page.
    virtual bool encode(std::u16string_view text, std::string& out) const = 0;
    // nullopt when the bytes are not valid in the code page.
    virtual std::optional<std::u16string> decode(std::string_view bytes) const = 0;
};

}  // namespace pw
