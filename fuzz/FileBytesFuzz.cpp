// The bytes a save writes, on arbitrary old files (CR, LF, NUL, byte-order marks, sequences
// the code page does not know) and texts: an append never yields less than the old content,
// and what is written reads back as the text, in the code page or in UTF-8.
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakeFiles.h"
#include "saving/TextFile.h"

namespace pw {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// UTF-8 as the writer makes it, unpaired surrogates in their own three-byte form included;
// nullopt on anything else.
std::optional<std::u16string> FromUtf8(std::string_view bytes) {
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (n == 0 || i + n > bytes.size()) return std::nullopt;
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (t & 0x3F);
        }
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(c);
        }
        i += n;
    }
    return text;
}

std::optional<std::u16string> Read(std::string_view bytes, const AnsiCodePage& codePage) {
    if (bytes.starts_with(kBom)) return FromUtf8(bytes.substr(kBom.size()));
    return codePage.decode(bytes);
}

// Every line end as one CR, so that old and new line ends compare.
std::u16string OneCrPerLineEnd(std::u16string text) {
    for (auto at = text.find(u"\r\n"); at != text.npos; at = text.find(u"\r\n", at))
        text.erase(at + 1, 1);
    return text;
}

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    const fake::FakeCodePage codePage;
    std::optional<std::string> old;
    if (in.ConsumeBool()) old = in.ConsumeRandomLengthString(2048);
    const std::u16string text = fuzz::TakeText(in, 2048);
    std::string out;
    const bool saved = FileBytes(old, text, codePage, out);
    const auto oldText = old ? Read(*old, codePage) : std::nullopt;
    if (old && !oldText) {
        // Old bytes that do not read are carried over as they are, or the save is refused.
        if (!saved) return 0;
        std::string tail;
        if (!out.starts_with(kBom) && codePage.encode(text + u"\r\n", tail))
            PW_FUZZ_CHECK(out.ends_with(tail));
        PW_FUZZ_CHECK(out.size() >= old->size() + 2);
        return 0;
    }
    PW_FUZZ_CHECK(saved);
    const auto written = Read(out, codePage);
    PW_FUZZ_CHECK(written.has_value());
    PW_FUZZ_CHECK(written->ends_with(text + u"\r\n"));
    if (!old) {
        // A new file: in the code page when the text fits it, else UTF-8 with its mark.
        std::string ansi;
        PW_FUZZ_CHECK(out.starts_with(kBom) != codePage.encode(text, ansi));
        PW_FUZZ_CHECK(*written == text + u"\r\n");
        return 0;
    }
    // Every old line is kept, each ending in a line end, before the text.
    PW_FUZZ_CHECK(OneCrPerLineEnd(*written).starts_with(OneCrPerLineEnd(*oldText) + u"\r"));
    PW_FUZZ_CHECK(written->size() >= oldText->size() + text.size() + 2);
    return 0;
}
