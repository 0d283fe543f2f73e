// The bytes a save writes, on arbitrary old files (CR, LF, NUL, byte-order marks, sequences
// the code page does not know) and texts: an append never yields less than the old content,
// and what is written reads back as the text, in the code page or in UTF-8.
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakeFiles.h"
#include "saving/TextFile.h"

namespace pw {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The code points of a file, in UTF-8 after a byte-order mark, else in the code page.
std::optional<std::u32string> Read(std::string_view bytes, const AnsiCodePage& codePage) {
    if (bytes.starts_with(kBom)) return fuzz::DecodeUtf8(bytes.substr(kBom.size()));
    const auto text = codePage.decode(bytes);
    return text ? std::optional(fuzz::CodePoints(*text)) : std::nullopt;
}

// Every line end as one CR, so that old and new line ends compare.
std::u32string OneCrPerLineEnd(std::u32string text) {
    for (auto at = text.find(U"\r\n"); at != text.npos; at = text.find(U"\r\n", at))
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
    const std::u32string line = fuzz::CodePoints(text + u"\r\n");
    PW_FUZZ_CHECK(written && written->ends_with(line));
    if (!old) {
        // A new file: in the code page when the text fits it, else UTF-8 with its mark.
        std::string ansi;
        PW_FUZZ_CHECK(out.starts_with(kBom) != codePage.encode(text, ansi));
        PW_FUZZ_CHECK(*written == line);
        return 0;
    }
    // Every old line is kept, each ending in a line end, before the text.
    PW_FUZZ_CHECK(OneCrPerLineEnd(*written).starts_with(OneCrPerLineEnd(*oldText) + U"\r"));
    PW_FUZZ_CHECK(written->size() >= oldText->size() + line.size());
    return 0;
}
