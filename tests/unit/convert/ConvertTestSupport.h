#pragma once

// Shared by the converter tests and the converter benchmark: UTF-8/UTF-16 helpers
// and libopencc.

#include <opencc.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "saving/TextFile.h"

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
    AppendUtf8(in, out);
    return out;
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
