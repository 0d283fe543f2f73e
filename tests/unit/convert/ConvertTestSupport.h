#pragma once

// Shared by the converter tests and the converter benchmark: UTF-8/UTF-16 helpers, a
// corpus of real Chinese text taken from installed gettext catalogues, and libopencc.

#include <opencc.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pw::convert_test {

// Strict: rejects overlong forms, surrogates and truncated sequences.
inline std::optional<std::u16string> Utf8ToUtf16(std::string_view in) {
    std::u16string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        char32_t cp;
        std::size_t len;
        if (b0 < 0x80) {
            cp = b0;
            len = 1;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            cp = b0 & 0x1F;
            len = 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            cp = b0 & 0x0F;
            len = 3;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            cp = b0 & 0x07;
            len = 4;
        } else {
            return std::nullopt;
        }
        if (i + len > in.size()) return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(in[i + k]);
            if ((b & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
        if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

// Unpaired surrogates come out as "\uXXXX" so that failure messages can show them.
inline std::string Utf16ToUtf8(std::u16string_view in) {
    std::string out;
    out.reserve(in.size() * 3);
    for (std::size_t i = 0; i < in.size(); ++i) {
        char32_t cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
            in[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(cp));
            out += escaped;
            continue;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The translations of a compiled gettext catalogue, plural forms one by one, without the
// header entry. Catalogues not in UTF-8 are refused.
inline std::vector<std::string> ReadMoTranslations(const std::string& path) {
    const std::string data = ReadFile(path);
    auto word = [&](std::size_t at, bool swap) -> std::uint32_t {
        if (at + 4 > data.size()) throw std::runtime_error("truncated catalogue " + path);
        std::uint32_t v;
        std::memcpy(&v, data.data() + at, 4);
        if (swap) v = __builtin_bswap32(v);
        return v;
    };
    bool swap = false;
    if (word(0, false) != 0x950412DEu) {
        if (word(0, true) != 0x950412DEu) throw std::runtime_error("not a catalogue " + path);
        swap = true;
    }
    const std::uint32_t count = word(8, swap);
    const std::uint32_t originals = word(12, swap);
    const std::uint32_t translations = word(16, swap);
    std::vector<std::string> out;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t idLength = word(originals + 8 * i, swap);
        const std::uint32_t length = word(translations + 8 * i, swap);
        const std::uint32_t offset = word(translations + 8 * i + 4, swap);
        if (std::size_t{offset} + length > data.size()) {
            throw std::runtime_error("truncated catalogue " + path);
        }
        const std::string_view text(data.data() + offset, length);
        if (idLength == 0) {
            std::string header(text);
            for (char& c : header)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (header.find("charset=utf-8") == std::string::npos) {
                throw std::runtime_error("catalogue not in UTF-8: " + path);
            }
            continue;
        }
        std::size_t start = 0;
        for (;;) {
            const std::size_t nul = text.find('\0', start);
            out.emplace_back(text.substr(start, nul == std::string_view::npos ? nul : nul - start));
            if (nul == std::string_view::npos) break;
            start = nul + 1;
        }
    }
    return out;
}

struct Catalogue {
    const char* domain;
    const char* package;  // Debian package that installs it
};

// Common Debian packages with sizeable translations into both zh_CN and zh_TW.
inline constexpr Catalogue kCorpusCatalogues[] = {
    {"coreutils", "coreutils"},
    {"bash", "bash"},
    {"libc", "libc-l10n"},
    {"dpkg", "dpkg"},
    {"apt", "apt"},
    {"libapt-pkg6.0", "libapt-pkg6.0"},
    {"tar", "tar"},
    {"shadow", "login"},
    {"diffutils", "diffutils"},
    {"findutils", "findutils"},
    {"grep", "grep"},
    {"sed", "sed"},
    {"make", "make"},
    {"binutils", "binutils-common"},
    {"ld", "binutils-common"},
    {"gettext-runtime", "gettext-base"},
    {"gettext-tools", "gettext"},
    {"git", "git"},
    {"gnupg2", "gnupg-l10n"},
    {"glib20", "libglib2.0-data"},
    {"gtk20", "libgtk2.0-common"},
    {"gtk20-properties", "libgtk2.0-common"},
    {"gsettings-desktop-schemas", "gsettings-desktop-schemas"},
    {"shared-mime-info", "shared-mime-info"},
    {"wget", "wget"},
    {"xz", "xz-utils"},
    {"xkeyboard-config", "xkb-data"},
    {"iso_3166-1", "iso-codes"},
    {"iso_3166-2", "iso-codes"},
    {"iso_639-2", "iso-codes"},
    {"iso_639-3", "iso-codes"},
    {"iso_4217", "iso-codes"},
    {"iso_15924", "iso-codes"},
};

struct Corpus {
    std::string text;                  // UTF-8, one translation after the other, '\n' after each
    std::vector<std::string> missing;  // "<catalogue> (package <name>)"
};

inline Corpus LoadCorpus(const std::string& localeDir, const std::string& locale) {
    Corpus corpus;
    for (const Catalogue& c : kCorpusCatalogues) {
        const std::string path = localeDir + "/" + locale + "/LC_MESSAGES/" + c.domain + ".mo";
        if (!std::ifstream(path)) {
            corpus.missing.push_back(path + " (package " + c.package + ")");
            continue;
        }
        for (const std::string& t : ReadMoTranslations(path)) {
            corpus.text += t;
            corpus.text += '\n';
        }
    }
    return corpus;
}

class OpenCC {
  public:
    explicit OpenCC(const char* config) : handle_(opencc_open(config)) {
        if (handle_ == reinterpret_cast<opencc_t>(-1)) {
            throw std::runtime_error(std::string("opencc_open(") + config + "): " + opencc_error());
        }
    }
    ~OpenCC() { opencc_close(handle_); }
    OpenCC(const OpenCC&) = delete;
    OpenCC& operator=(const OpenCC&) = delete;

    std::string Convert(std::string_view utf8) const {
        char* converted = opencc_convert_utf8(handle_, utf8.data(), utf8.size());
        if (converted == nullptr)
            throw std::runtime_error(std::string("opencc: ") + opencc_error());
        std::string out(converted);
        opencc_convert_utf8_free(converted);
        return out;
    }

  private:
    opencc_t handle_;
};

}  // namespace pw::convert_test
