#pragma once
// The bytes of a saved text file. A text that fits the ANSI code page is written in it; any
// other text as UTF-8 with a byte-order mark, so that no character becomes "?".
#include <optional>
#include <string>
#include <string_view>

#include "platform/AnsiCodePage.h"

namespace pw {

// Sets out to the file that holds `text` and a final CR LF, after the old file's lines when
// there is one: each old line ends with CR LF (a line ends at CR LF, a lone CR or the end; a
// lone LF is part of the line, an empty file is one empty line), then one more CR LF.
// A UTF-8 file stays UTF-8; an ANSI file becomes UTF-8 when the text does not fit the code
// page. False when the old content cannot be carried over without loss. The caller owns
// out, so that saving many large panels reuses one buffer.
// Appends `text` as UTF-8. An unpaired surrogate keeps its own three-byte form instead of
// being dropped.
void AppendUtf8(std::u16string_view text, std::string& out);

bool FileBytes(const std::optional<std::string>& old, std::u16string_view text,
               const AnsiCodePage& codePage, std::string& out);

}  // namespace pw
