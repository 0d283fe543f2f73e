#pragma once

// Shared by the converter tests and the converter benchmark: UTF-8/UTF-16 helpers, a
// corpus of real Chinese text taken from installed gettext catalogues, and libopencc.

#include <opencc.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pw::convert_test {

// Refuses bytes that cannot start a sequence and a sequence cut off at the end.
inline std::optional<std::u16string> Utf8ToUtf16(std::string_view in) {
    std::u16string out;
    for (std::size_t i = 0; i < in.size();) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        const std::size_t len = b0 < 0x80 ? 1 : b0 < 0xC2 ? 0 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
        if (len == 0 || i + len > in.size()) return std::nullopt;
        char32_t cp = len == 1 ? b0 : b0 & (0x7F >> len);
        for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (in[i + k] & 0x3F);
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            cp = 0xDC00 + ((cp - 0x10000) & 0x3FF);
        }
        out += static_cast<char16_t>(cp);
        i += len;
    }
    return out;
}

inline std::string Utf16ToUtf8(std::u16string_view in) {
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        char32_t cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size())
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[++i] - 0xDC00);
        static constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
        const int extra = cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
        out += static_cast<char>(kLead[extra] | (cp >> (6 * extra)));
        for (int k = extra - 1; k >= 0; --k)
            out += static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F));
    }
    return out;
}

// Every translation of a little-endian gettext catalogue, header and plural forms included,
// one a line.
inline std::string ReadMoTranslations(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string data(std::istreambuf_iterator<char>(in), {});
    auto word = [&](std::size_t at) {
        std::uint32_t v = 0;
        if (at + 4 > data.size()) throw std::runtime_error("truncated or missing: " + path);
        std::memcpy(&v, data.data() + at, 4);
        return v;
    };
    if (word(0) != 0x950412DEu) throw std::runtime_error("not a little-endian catalogue " + path);
    std::string out;
    for (std::uint32_t i = 0, table = word(16); i < word(8); ++i) {
        const std::uint32_t length = word(table + 8 * i), offset = word(table + 8 * i + 4);
        if (std::size_t{offset} + length > data.size()) throw std::runtime_error("bad " + path);
        for (const char c : std::string_view(data).substr(offset, length)) out += c ? c : '\n';
        out += '\n';
    }
    return out;
}

// Catalogues of common Debian packages (tools/deps.sh) with sizeable zh_CN and zh_TW text.
inline constexpr std::string_view kCorpusCatalogues =
    "coreutils bash libc dpkg apt libapt-pkg6.0 tar shadow diffutils findutils grep sed make "
    "binutils ld gettext-runtime gettext-tools git gnupg2 glib20 gtk20 gtk20-properties "
    "gsettings-desktop-schemas shared-mime-info wget xz xkeyboard-config iso_3166-1 iso_3166-2 "
    "iso_639-2 iso_639-3 iso_4217 iso_15924";

// UTF-8, one translation a line; throws when a catalogue is missing.
inline std::string LoadCorpus(const std::string& localeDir, const std::string& locale) {
    std::string text;
    std::istringstream domains{std::string(kCorpusCatalogues)};
    for (std::string domain; domains >> domain;)
        text += ReadMoTranslations(localeDir + "/" + locale + "/LC_MESSAGES/" + domain + ".mo");
    return text;
}

class OpenCC {
  public:
    explicit OpenCC(const char* config) : handle_(opencc_open(config)) {
        if (handle_ == reinterpret_cast<opencc_t>(-1)) throw std::runtime_error(opencc_error());
    }
    ~OpenCC() { opencc_close(handle_); }
    OpenCC(const OpenCC&) = delete;
    OpenCC& operator=(const OpenCC&) = delete;

    std::string Convert(std::string_view utf8) const {
        const std::unique_ptr<char, void (*)(char*)> out(
            opencc_convert_utf8(handle_, utf8.data(), utf8.size()), opencc_convert_utf8_free);
        if (!out) throw std::runtime_error(opencc_error());
        return out.get();
    }

  private:
    opencc_t handle_;
};

}  // namespace pw::convert_test
