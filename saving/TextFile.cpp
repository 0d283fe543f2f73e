#include "saving/TextFile.h"

namespace pw {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string OldLines(std::string_view old) {
    std::string out;
    out.reserve(old.size() + 4);
    std::size_t i = 0;
    do {
        const auto cr = old.find('\r', i);
        out.append(old.substr(i, cr == old.npos ? old.npos : cr - i)).append("\r\n");
        if (cr == old.npos) break;
        i = cr + 1;
        if (i < old.size() && old[i] == '\n') ++i;
    } while (i < old.size());
    return out.append("\r\n");
}

}  // namespace

std::string Utf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
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
    return out;
}

std::optional<std::string> FileBytes(const std::optional<std::string>& old,
                                     std::u16string_view text, const AnsiCodePage& codePage) {
    if (old && old->starts_with(kBom))
        return std::string(kBom) + OldLines(std::string_view(*old).substr(kBom.size())) +
               Utf8(text);
    const std::string oldPart = old ? OldLines(*old) : std::string();
    if (auto ansi = codePage.encode(text)) return oldPart + *ansi;
    auto oldText = codePage.decode(oldPart);
    if (!oldText) return std::nullopt;
    return std::string(kBom) + Utf8(*oldText) + Utf8(text);
}

}  // namespace pw
