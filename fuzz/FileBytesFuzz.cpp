// The bytes a save writes, in a double-byte code page shaped like GBK, on new files and on old
// files in each encoding an append keeps (UTF-8 with and without a mark, UTF-16 LE and BE,
// the code page): the old bytes stay as they were but for the line ends added, the file keeps
// its encoding and reads back as the text in it, and a save is refused only when the old
// content cannot be carried over exactly. A UTF-32 file (its mark FF FE 00 00 or 00 00 FE FF)
// is never written to.
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakeFiles.h"
#include "saving/TextFile.h"

namespace pw {
namespace {

using namespace std::string_view_literals;

enum Kind { kAnsi, kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be };
constexpr std::string_view kMarks[] = {"", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
constexpr std::string_view kCr[] = {"\r", "\r", "\r", "\r\0"sv, "\0\r"sv};
constexpr std::string_view kLf[] = {"\n", "\n", "\n", "\n\0"sv, "\0\n"sv};

Kind KindOf(std::string_view bytes) {
    for (const Kind k : {kUtf8Bom, kUtf16Le, kUtf16Be})
        if (bytes.starts_with(kMarks[k])) return k;
    const auto utf8 = fuzz::DecodeUtf8(bytes);
    return utf8 && std::ranges::any_of(*utf8, [](char32_t c) { return c >= 0x80; }) ? kUtf8 : kAnsi;
}

bool Utf32(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE\0\0"sv) || bytes.starts_with("\0\0\xFE\xFF"sv);
}

// Code points of bytes in an encoding, its mark left out.
std::optional<std::u32string> Decode(Kind k, std::string_view bytes, const AnsiCodePage& cp) {
    if (k == kUtf8 || k == kUtf8Bom) return fuzz::DecodeUtf8(bytes);
    std::optional<std::u16string> text = k == kAnsi ? cp.decode(bytes) : std::u16string();
    for (std::size_t i = 0; k != kAnsi && i + 1 < bytes.size(); i += 2)
        *text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i + (k == kUtf16Le)]) << 8 |
                                       static_cast<unsigned char>(bytes[i + (k == kUtf16Be)]));
    return text ? std::optional(fuzz::CodePoints(*text)) : std::nullopt;
}

// The old content as an append keeps it: an LF after every CR without one, a CR LF after the
// last line, then the blank line.
std::string Kept(Kind k, std::string_view body) {
    const std::size_t n = kCr[k].size();
    const std::string crLf = std::string(kCr[k]).append(kLf[k]);
    std::string out;
    for (std::size_t i = 0; i < body.size(); i += n) {
        out += body.substr(i, n);
        if (body.substr(i, n) == kCr[k] && body.substr(i + n, n) != kLf[k]) out += kLf[k];
    }
    return out.ends_with(crLf) ? out + crLf : out + crLf + crLf;
}

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    const fake::FakeCodePage cp;
    // 0: no old file; 1: a text in UTF-8; else any bytes after no mark or one of the three.
    const int form = in.ConsumeIntegralInRange(0, 5);
    std::optional<std::string> old;
    if (form == 1) AppendUtf8(fuzz::TakeText(in, 2048), old.emplace());
    if (form > 1) old = std::string(kMarks[form - 1]) + in.ConsumeRandomLengthString(2048);
    const std::u16string text = fuzz::TakeText(in, 2048);
    std::string out;
    const bool saved = FileBytes(old, text, cp, out);

    const Kind kind = old ? KindOf(*old) : kAnsi;
    const std::string_view body = old ? std::string_view(*old).substr(kMarks[kind].size()) : "";
    if (!saved) {
        PW_FUZZ_CHECK(old && (Utf32(*old) || body.size() % kCr[kind].size() != 0 ||
                              (kind == kAnsi && !cp.decode(*old))));
        return 0;
    }
    PW_FUZZ_CHECK(!old || !Utf32(*old));
    const std::string kept = old ? std::string(kMarks[kind]) + Kept(kind, body) : "";
    const std::u32string line = fuzz::CodePoints(text + u"\r\n");
    if (kind == kAnsi && out.starts_with(kMarks[kUtf8Bom])) {
        // Converted whole, only where code-page bytes would not read back as the text.
        std::string ansi = kept;
        PW_FUZZ_CHECK(!cp.encode(text, ansi) || KindOf(ansi) != kAnsi);
        const auto keptText = Decode(kAnsi, kept, cp);
        PW_FUZZ_CHECK(keptText && Decode(kUtf8, out.substr(3), cp) == *keptText + line);
        return 0;
    }
    PW_FUZZ_CHECK(out.starts_with(kept) && KindOf(out) == kind);
    PW_FUZZ_CHECK(Decode(kind, std::string_view(out).substr(kept.size()), cp) == line);
    return 0;
}
