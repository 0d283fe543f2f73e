#pragma once
// The benchmark's text: real Chinese, every translation of the zh_CN or zh_TW catalogues of
// common Debian packages (tools/deps.sh installs them).

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pw::bench {

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

// Catalogues with sizeable zh_CN and zh_TW text.
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

}  // namespace pw::bench
