#include "find/TextSearch.h"

#include <algorithm>
#include <bit>
#include <numeric>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "convert/ChineseConverter.h"

namespace pw {

namespace {

char16_t LowerLatin(char16_t u) {
    if (u >= u'A' && u <= u'Z') return static_cast<char16_t>(u + (u'a' - u'A'));
    if (u >= u'Ａ' && u <= u'Ｚ') return static_cast<char16_t>(u + (u'ａ' - u'Ａ'));
    return u;
}

}  // namespace

TextSearch::TextSearch(std::u16string_view needle, FindOptions options) : forms_(0x10000) {
    if (options.sameForm) {
        const SameFormTable& same = SameFormOfEachUnit();
        std::copy(same.begin(), same.end(), forms_.begin());
    } else {
        std::iota(forms_.begin(), forms_.end(), char16_t{0});
    }
    if (!options.matchCase)
        for (char16_t& form : forms_) form = LowerLatin(form);

    needle_.reserve(needle.size());
    for (const char16_t u : needle) needle_ += Form(u);
    if (needle_.empty()) return;

    std::size_t count = 0;
    for (std::size_t u = 0; u < forms_.size() && count <= firsts_.size(); ++u)
        if (forms_[u] == needle_[0] && count++ < firsts_.size())
            firsts_[count - 1] = static_cast<char16_t>(u);
    fewFirsts_ = count <= firsts_.size();
    for (std::size_t i = count; fewFirsts_ && i < firsts_.size(); ++i) firsts_[i] = firsts_[0];
}

std::optional<std::size_t> TextSearch::FindIn(std::u16string_view text, std::size_t from,
                                              std::size_t lastStart) const {
    const std::size_t n = needle_.size();
    if (n == 0 || n > text.size() || from > text.size() - n) return std::nullopt;
    const std::size_t end = std::min(lastStart, text.size() - n) + 1;
    const char16_t* const units = text.data();
    std::size_t at = from;
#if defined(__SSE2__)
    // Sixteen units at a time against every unit that reads as the needle's first.
    if (fewFirsts_) {
        const __m128i a = _mm_set1_epi16(static_cast<short>(firsts_[0]));
        const __m128i b = _mm_set1_epi16(static_cast<short>(firsts_[1]));
        const __m128i c = _mm_set1_epi16(static_cast<short>(firsts_[2]));
        const __m128i d = _mm_set1_epi16(static_cast<short>(firsts_[3]));
        auto hits = [&](const char16_t* p) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, a), _mm_cmpeq_epi16(v, b)),
                                _mm_or_si128(_mm_cmpeq_epi16(v, c), _mm_cmpeq_epi16(v, d)));
        };
        for (; at + 16 <= end; at += 16) {
            auto mask = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_packs_epi16(hits(units + at), hits(units + at + 8))));
            for (; mask != 0; mask &= mask - 1) {
                const std::size_t candidate = at + static_cast<unsigned>(std::countr_zero(mask));
                if (RestMatches(units + candidate)) return candidate;
            }
        }
    }
#endif
    for (; at < end; ++at)
        if (forms_[units[at]] == needle_[0] && RestMatches(units + at)) return at;
    return std::nullopt;
}

bool TextSearch::RestMatches(const char16_t* at) const {
    for (std::size_t k = 1; k < needle_.size(); ++k)
        if (forms_[at[k]] != needle_[k]) return false;
    return true;
}

}  // namespace pw
