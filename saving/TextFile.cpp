#include "saving/TextFile.h"

namespace pw {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kCrLf = "\r\n";

void AppendOldLines(std::string_view old, std::string& out) {
    std::size_t i = 0;
    do {
        const auto cr = old.find('\r', i);
        out.append(old.substr(i, cr == old.npos ? old.npos : cr - i)).append(kCrLf);
        if (cr == old.npos) break;
        i = cr + 1;
        if (i < old.size() && old[i] == '\n') ++i;
    } while (i < old.size());
    out.append(kCrLf);
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
    if (old && old->starts_with(kBom)) {
        out.append(kBom);
        AppendOldLines(std::string_view(*old).substr(kBom.size()), out);
        AppendUtf8(text, out);
        out.append(kCrLf);
        return true;
    }
    if (old) AppendOldLines(*old, out);
    if (codePage.encode(text, out)) {
        out.append(kCrLf);
        return true;
    }
    const auto oldText = codePage.decode(out);
    if (!oldText) return false;
    out.assign(kBom);
    AppendUtf8(*oldText, out);
    AppendUtf8(text, out);
    out.append(kCrLf);
    return true;
}

}  // namespace pw
