#pragma once
// The text the Wine benchmarks put on the clipboard and into the text boxes: Chinese and ASCII
// lines with CR LF, like a long document pasted from elsewhere.
#include <cstddef>
#include <string>

namespace bench {

inline std::wstring MakeText(std::size_t chars) {
    static const wchar_t* const kLines[] = {
        L"第一章 剪贴板上的长文本，用来测量空闲时的开销。",
        L"The quick brown fox jumps over the lazy dog, 0123456789.",
        L"繁體與簡體混排：這是一段測試文字，这是一段测试文字。",
        L"PenWick keeps an eye on the clipboard; nothing here changes.",
    };
    std::wstring text;
    text.reserve(chars);
    for (std::size_t i = 0; text.size() < chars; ++i) {
        for (const wchar_t* p = kLines[i % 4]; *p && text.size() < chars; ++p) text.push_back(*p);
        if (text.size() < chars) text.push_back(L'\r');
        if (text.size() < chars) text.push_back(L'\n');
    }
    return text;
}

// Megabytes of UTF-16 text as characters.
inline std::size_t CharsOf(double megabytes) {
    return static_cast<std::size_t>(megabytes * 1e6 / sizeof(wchar_t));
}

}  // namespace bench
