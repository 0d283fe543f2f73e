// The rules that read numbers and booleans from stored texts, on arbitrary texts.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "fuzz/FuzzSupport.h"
#include "settings/NumberText.h"

namespace pw {
namespace {

bool StartsANumber(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'.'; }

std::u16string AsciiLower(std::u16string text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

void CheckNumberValue(const std::u16string& text) {
    const double v = NumberValue(text);
    PW_FUZZ_CHECK(!std::isnan(v));
    // Blanks before the number and a letter that cannot continue it change nothing.
    PW_FUZZ_CHECK(NumberValue(u" \t " + text) == v);
    PW_FUZZ_CHECK(NumberValue(text + u"x") == v);
    if (!text.empty() && StartsANumber(text[0])) PW_FUZZ_CHECK(NumberValue(u"-" + text) == -v);
    if (text.empty() || !(StartsANumber(text[0]) || text[0] == u'-' || text[0] == u'+' ||
                          text[0] == u' ' || text[0] == u'\t'))
        PW_FUZZ_CHECK(v == 0);
}

template <typename Int>
void CheckRounding(double x, std::optional<Int> r) {
    const double lo = static_cast<double>(std::numeric_limits<Int>::min());
    const double hi = static_cast<double>(std::numeric_limits<Int>::max());
    if (!r) {
        PW_FUZZ_CHECK(!std::isfinite(x) || x < lo - 0.5 || x > hi + 0.5 ||
                      (x == lo - 0.5 && std::fmod(lo, 2) != 0) ||
                      (x == hi + 0.5 && std::fmod(hi, 2) != 0));
        return;
    }
    const double d = std::fabs(static_cast<double>(*r) - x);
    PW_FUZZ_CHECK(d <= 0.5);
    if (d == 0.5) PW_FUZZ_CHECK(*r % 2 == 0);  // halves go to the even neighbour
}

void CheckBoolRule(const std::u16string& text) {
    const bool withTrue = BoolRule(text, true), withFalse = BoolRule(text, false);
    // Only a spelling of "true" or "false" decides against the default.
    if (withTrue == withFalse) PW_FUZZ_CHECK(AsciiLower(text) == (withTrue ? u"true" : u"false"));
    if (AsciiLower(text) == u"true") PW_FUZZ_CHECK(withFalse);
    if (AsciiLower(text) == u"false") PW_FUZZ_CHECK(!withTrue);
}

void CheckWrittenNumbersReadBack(FuzzedDataProvider& in) {
    const auto n = in.ConsumeIntegralInRange<std::int64_t>(-(1LL << 53), 1LL << 53);
    PW_FUZZ_CHECK(NumberValue(NumText(n)) == static_cast<double>(n));
    const float f = in.ConsumeFloatingPoint<float>();
    // Seven significant digits: within half a unit of the seventh.
    const double back = NumberValue(NumText(f));
    PW_FUZZ_CHECK(std::fabs(back - f) <= 5.000001e-7 * std::fabs(f));
}

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    const std::u16string text = fuzz::TakeText(in, 256);
    CheckNumberValue(text);
    const double v = NumberValue(text);
    CheckRounding(v, RoundToInt16(v));
    CheckRounding(v, RoundToInt32(v));
    CheckBoolRule(text);
    CheckWrittenNumbersReadBack(in);
    return 0;
}
