#pragma once
// The bytes of a saved text file. A new text that fits the ANSI code page is written in it; any
// other text as UTF-8 with a byte-order mark, so that no character becomes "?". An append keeps
// the encoding of the file it appends to.
#include <optional>
#include <string>
#include <string_view>

#include "platform/AnsiCodePage.h"

namespace pw {

// Appends `text` as UTF-8. An unpaired surrogate keeps its own three-byte form instead of
// being dropped.
void AppendUtf8(std::u16string_view text, std::string& out);

// Sets out to the file that holds `text` and a final CR LF, after the old file's lines when
// there is one: each old line ends with CR LF (a line ends at CR LF, a lone CR or the end; a
// lone LF is part of the line, an empty file is one empty line), then one more CR LF.
// The old file's encoding is its byte-order mark (UTF-8, UTF-16 LE or BE), else UTF-8 when its
// bytes are UTF-8 with at least one character beyond ASCII, else the code page. Old bytes are
// kept as they are but for the line ends added. An ANSI file becomes UTF-8 with a mark when
// the text does not fit the code page, and so does a new file whose code-page bytes would read
// back as another encoding. False when the old content cannot be carried over without loss.
// The caller owns out, so that saving many large panels reuses one buffer.
bool FileBytes(const std::optional<std::string>& old, std::u16string_view text,
               const AnsiCodePage& codePage, std::string& out);

}  // namespace pw
