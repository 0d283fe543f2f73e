#include "convert/ChineseConverter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <numeric>
#include <utility>

#include "convert/ConvertTables.h"

namespace pw {
namespace {

using convert_tables::CodePointEntry;
using convert_tables::Table;

constexpr CodePointEntry kNoEntry{0, 0};

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Reads the code point at text[i]; an unpaired surrogate stands for itself, which no
// dictionary holds, so it converts to itself and no phrase runs across it.
char32_t CodePointAt(std::u16string_view text, std::size_t i, std::size_t& units) {
    const char32_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        units = 2;
        return 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    }
    units = 1;
    return u;
}

const CodePointEntry& EntryFor(const Table& table, char32_t cp) {
    const std::uint32_t page = cp >> table.blockShift;
    if (page >= table.pageCount) return kNoEntry;
    const std::uint32_t block = table.pages[page];
    const std::uint32_t mask = (1u << table.blockShift) - 1;
    return table.entries[(block << table.blockShift) | (cp & mask)];
}

std::uint32_t ChildOf(const Table& table, std::uint32_t node, char32_t cp) {
    const std::uint32_t* first = table.nodeCodePoint + table.childBegin[node];
    const std::uint32_t* last = table.nodeCodePoint + table.childBegin[node + 1];
    const std::uint32_t* found = std::lower_bound(first, last, static_cast<std::uint32_t>(cp));
    if (found == last || *found != cp) return 0;
    return static_cast<std::uint32_t>(found - table.nodeCodePoint);
}

class Output {
  public:
    explicit Output(std::size_t expected) { text_.resize(expected + expected / 8 + 16); }

    void Append(const char16_t* units, std::size_t count) {
        if (size_ + count > text_.size()) text_.resize((size_ + count) * 2);
        std::copy_n(units, count, text_.data() + size_);
        size_ += count;
    }

    void AppendPooled(const Table& table, std::uint32_t ref) {
        Append(table.pool + (ref >> convert_tables::kLengthBits),
               ref & convert_tables::kLengthMask);
    }

    std::u16string Take() {
        text_.resize(size_);
        return std::move(text_);
    }

  private:
    std::u16string text_;
    std::size_t size_ = 0;
};

// OpenCC first cuts the text into the longest phrases of the phrase dictionary, then
// converts each piece by the longest match over phrases and characters. Since every
// character key is a single code point, a phrase piece always converts as that phrase
// and everything else character by character, which is what one pass does here.
std::u16string Convert(const Table& table, std::u16string_view text) {
    Output out(text.size());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        // Copy the run that cannot convert in one go.
        std::size_t plain = i;
        while (plain < n && text[plain] < table.firstUnit) ++plain;
        if (plain != i) {
            out.Append(text.data() + i, plain - i);
            i = plain;
            if (i == n) break;
        }

        std::size_t units = 0;
        const char32_t cp = CodePointAt(text, i, units);
        const CodePointEntry& entry = EntryFor(table, cp);

        std::uint32_t phrase = 0;
        std::size_t phraseEnd = 0;
        if (entry.node != 0) {
            std::uint32_t node = entry.node;
            std::size_t j = i + units;
            for (;;) {
                if (table.nodeValue[node] != 0) {
                    phrase = table.nodeValue[node];
                    phraseEnd = j;
                }
                if (j >= n || table.childBegin[node] == table.childBegin[node + 1]) break;
                std::size_t nextUnits = 0;
                const char32_t next = CodePointAt(text, j, nextUnits);
                node = ChildOf(table, node, next);
                if (node == 0) break;
                j += nextUnits;
            }
        }

        if (phrase != 0) {
            out.AppendPooled(table, phrase);
            i = phraseEnd;
        } else {
            if (entry.value != 0) {
                out.AppendPooled(table, entry.value);
            } else {
                out.Append(text.data() + i, units);
            }
            i += units;
        }
    }
    return out.Take();
}

// Joins every unit with its one-unit conversion, so that variants end up in one set.
class VariantSets {
  public:
    VariantSets() { std::iota(parent_.begin(), parent_.end(), char16_t{0}); }

    void JoinConversions(const Table& table) {
        for (char32_t cp = 0; cp < 0x10000; ++cp) {
            if (IsHighSurrogate(cp) || IsLowSurrogate(cp)) continue;
            const std::uint32_t ref = EntryFor(table, cp).value;
            if ((ref & convert_tables::kLengthMask) != 1) continue;
            const char16_t to = table.pool[ref >> convert_tables::kLengthBits];
            if (!IsHighSurrogate(to) && !IsLowSurrogate(to)) Join(static_cast<char16_t>(cp), to);
        }
    }

    // Each set is named after its smallest unit.
    void FillForms(SameFormTable& forms) {
        for (std::size_t u = 0; u < forms.size(); ++u) forms[u] = Root(static_cast<char16_t>(u));
    }

  private:
    char16_t Root(char16_t u) {
        while (parent_[u] != u) u = parent_[u] = parent_[parent_[u]];
        return u;
    }
    void Join(char16_t a, char16_t b) {
        a = Root(a);
        b = Root(b);
        if (a > b) std::swap(a, b);
        parent_[b] = a;
    }

    SameFormTable parent_{};
};

}  // namespace

const SameFormTable& SameFormOfEachUnit() {
    static const std::unique_ptr<const SameFormTable> forms = [] {
        auto sets = std::make_unique<VariantSets>();
        sets->JoinConversions(convert_tables::kTraditionalToSimplified);
        sets->JoinConversions(convert_tables::kSimplifiedToTraditional);
        auto table = std::make_unique<SameFormTable>();
        sets->FillForms(*table);
        return table;
    }();
    return *forms;
}

std::u16string TraditionalToSimplified(std::u16string_view text) {
    return Convert(convert_tables::kTraditionalToSimplified, text);
}

std::u16string SimplifiedToTraditional(std::u16string_view text) {
    return Convert(convert_tables::kSimplifiedToTraditional, text);
}

}  // namespace pw
