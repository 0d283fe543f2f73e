#include "saving/TextFile.h"

namespace pw {

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kCrLf = "\r\n";

// How a file stores its characters: its byte-order mark and its units of CR and LF, whose size
// is the size of every unit.
struct Encoding {
    std::string_view mark, cr, lf;
    bool bigEndian = false;
};

constexpr Encoding kAnsi{"", "\r", "\n"};
constexpr Encoding kUtf8{"", "\r", "\n"};
constexpr Encoding kUtf8Bom{kBom, "\r", "\n"};
constexpr Encoding kUtf16Le{"\xFF\xFE", "\r\0"sv, "\n\0"sv};
constexpr Encoding kUtf16Be{"\xFE\xFF", "\0\r"sv, "\0\n"sv, true};

// UTF-8 in its shortest forms up to U+10FFFF, with at least one character beyond ASCII. The
// three-byte form of a lone surrogate counts: it is how a UTF-8 file of ours holds one.
bool IsUtf8BeyondAscii(std::string_view bytes) {
    bool beyond = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        if (b < 0xC2 || b > 0xF4 || i + n > bytes.size()) return false;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        // Overlong forms and code points beyond U+10FFFF show in the second byte.
        const unsigned low = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
        if (second < low || second > (b == 0xF4 ? 0x8F : 0xBF)) return false;
        for (std::size_t k = 2; k < n; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        beyond = true;
        i += n;
    }
    return beyond;
}

// UTF-32, LE or BE. Nothing is appended to it: UTF-16 or code-page bytes after its own would
// garble the file for every reader. (A UTF-16 LE file that starts with U+0000 looks the same
// and is refused as well.)
bool IsUtf32(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE\0\0"sv) || bytes.starts_with("\0\0\xFE\xFF"sv);
}

const Encoding& EncodingOf(std::string_view bytes) {
    for (const Encoding* e : {&kUtf8Bom, &kUtf16Le, &kUtf16Be})
        if (bytes.starts_with(e->mark)) return *e;
    return IsUtf8BeyondAscii(bytes) ? kUtf8 : kAnsi;
}

// A CR or LF is only a whole unit at a unit's start: in UTF-16 the bytes 0D 00 may also be the
// end of one character and the start of the next.
std::size_t FindUnit(std::string_view bytes, std::string_view unit, std::size_t from) {
    auto at = bytes.find(unit, from);
    while (at != bytes.npos && at % unit.size() != 0) at = bytes.find(unit, at + 1);
    return at;
}

void AppendOldLines(std::string_view old, const Encoding& e, std::string& out) {
    const std::size_t unit = e.cr.size();
    std::size_t i = 0;
    do {
        const auto cr = FindUnit(old, e.cr, i);
        out.append(old.substr(i, cr == old.npos ? old.npos : cr - i)).append(e.cr).append(e.lf);
        if (cr == old.npos) break;
        i = cr + unit;
        if (old.substr(i, unit) == e.lf) i += unit;
    } while (i < old.size());
    out.append(e.cr).append(e.lf);
}

void AppendUtf16(std::u16string_view text, bool bigEndian, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + text.size() * 2);
    char* p = out.data() + start;
    for (char16_t c : text) {
        *p++ = static_cast<char>(bigEndian ? c >> 8 : c & 0xFF);
        *p++ = static_cast<char>(bigEndian ? c & 0xFF : c >> 8);
    }
}

// An append to a file with a mark or in UTF-8: the text goes in the file's own encoding, which
// holds every character.
bool AppendInUnicode(std::string_view old, const Encoding& e, std::u16string_view text,
                     std::string& out) {
    const std::string_view body = old.substr(e.mark.size());
    // Half a unit at the end: nothing written after it would line up.
    if (body.size() % e.cr.size() != 0) return false;
    out.append(e.mark);
    AppendOldLines(body, e, out);
    if (e.cr.size() == 2)
        AppendUtf16(text, e.bigEndian, out);
    else
        AppendUtf8(text, out);
    out.append(e.cr).append(e.lf);
    return true;
}

}  // namespace

void AppendUtf8(std::u16string_view text, std::string& out) {
    out.reserve(out.size() + text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

bool FileBytes(const std::optional<std::string>& old, std::u16string_view text,
               const AnsiCodePage& codePage, std::string& out) {
    out.clear();
    if (old && IsUtf32(*old)) return false;
    const Encoding& e = old ? EncodingOf(*old) : kAnsi;
    if (&e != &kAnsi) return AppendInUnicode(*old, e, text, out);
    if (old) AppendOldLines(*old, e, out);
    const std::size_t oldEnd = out.size();
    // Code-page bytes that another encoding's reading would take (a mark at the start, or
    // UTF-8 after plain ASCII) would not read back as the text.
    if (codePage.encode(text, out)) {
        if (&EncodingOf(out) == &kAnsi) {
            out.append(kCrLf);
            return true;
        }
        out.resize(oldEnd);
    }
    // Converted whole only when the old bytes are exactly what the code page says; a guess
    // would garble them for good.
    const auto oldText = codePage.decode(out);
    if (!oldText) return false;
    out.assign(kBom);
    AppendUtf8(*oldText, out);
    AppendUtf8(text, out);
    out.append(kCrLf);
    return true;
}

}  // namespace pw
