// The rules that read numbers and booleans from stored texts, on arbitrary texts, and whole
// numbers written and read back.
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "settings/NumberText.h"

namespace pw {
namespace {

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
    PW_FUZZ_CHECK(NumberValue(text) == fuzz::ReferenceNumber(text));
    CheckBoolRule(text);
    return 0;
}
