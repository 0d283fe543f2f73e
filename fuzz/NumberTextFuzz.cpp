// The rules that read numbers and booleans from stored texts, on arbitrary texts, and whole
// numbers written and read back.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "fuzz/FuzzSupport.h"
#include "settings/NumberText.h"

namespace pw {
namespace {

bool StartsANumber(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'.'; }

void CheckNumberValue(const std::u16string& text) {
    const double v = NumberValue(text);
    PW_FUZZ_CHECK(!std::isnan(v));
    if (const auto reference = fuzz::ReferenceNumber(text)) PW_FUZZ_CHECK(v == *reference);
    // Blanks before the number and a letter that cannot continue it change nothing.
    PW_FUZZ_CHECK(NumberValue(u" \t " + text) == v);
    PW_FUZZ_CHECK(NumberValue(text + u"x") == v);
    const char16_t first = text.empty() ? u'x' : text[0];
    if (StartsANumber(first))
        PW_FUZZ_CHECK(NumberValue(u"-" + text) == -v);
    else if (first != u'-' && first != u'+' && first != u' ' && first != u'\t')
        PW_FUZZ_CHECK(v == 0);
}

// The nearest integer, halves to the even one; refused only beyond the type's range, whose
// lowest value is even and highest odd.
template <typename Int>
void CheckRounding(double x, std::optional<Int> r) {
    const double lo = std::numeric_limits<Int>::min(), hi = std::numeric_limits<Int>::max();
    if (!r) {
        PW_FUZZ_CHECK(!std::isfinite(x) || x < lo - 0.5 || x >= hi + 0.5);
        return;
    }
    const double d = std::fabs(static_cast<double>(*r) - x);
    PW_FUZZ_CHECK(d < 0.5 || (d == 0.5 && *r % 2 == 0));
}

// Only "true" or "false", in any case of ASCII letters, decides against the default.
void CheckBoolRule(const std::u16string& text) {
    std::u16string lower = text;
    for (char16_t& c : lower)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    PW_FUZZ_CHECK(BoolRule(text, false) == (lower == u"true"));
    PW_FUZZ_CHECK(BoolRule(text, true) == (lower != u"false"));
}

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    const auto whole = in.ConsumeIntegral<std::int64_t>();
    // The nearest double, as the conversion of the integer itself gives it.
    PW_FUZZ_CHECK(NumberValue(NumText(whole)) == static_cast<double>(whole));
    const std::u16string text = fuzz::TakeText(in, 256);
    CheckNumberValue(text);
    const double v = NumberValue(text);
    CheckRounding(v, RoundToInt16(v));
    CheckRounding(v, RoundToInt32(v));
    CheckBoolRule(text);
    return 0;
}
