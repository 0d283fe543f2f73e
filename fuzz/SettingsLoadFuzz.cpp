// The whole settings load from arbitrary registry contents: any value of any type, huge,
// holding NULs, or missing.
#include <cmath>
#include <cstdint>
#include <cfloat>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakeUi.h"
#include "settings/Settings.h"

namespace pw {
namespace {

constexpr std::u16string_view kFolder = u"C:\\程序\\PenWick";
constexpr float kDefaultPlacement[] = {3255, 2355, 5325, 4560};
constexpr std::u16string_view kNames[] = {
    u"Left",    u"Top",      u"Width", u"Height",    u"QuickSave", u"AddSave",  u"DelSaved",
    u"GetClip", u"ClipRate", u"Limit", u"PlaySound", u"SoundFile", u"ShowMain", u"InitDir"};

// A numeric field against the reference reading of its stored text.
void CheckNumericField(std::size_t field, const RegValue& value, const Settings& loaded) {
    if (value.type != RegType::String) return;
    const double number = fuzz::ReferenceNumber(value.data.substr(0, value.data.find(u'\0')));
    const double whole = std::nearbyint(number);  // halves to even
    if (field < 4) {                              // beyond a float, or 0, keeps the default
        const float placement[] = {loaded.Left, loaded.Top, loaded.Width, loaded.Height};
        const float v = std::fabs(number) <= FLT_MAX ? static_cast<float>(number) : 0;
        PW_FUZZ_CHECK(placement[field] == (v != 0 ? v : kDefaultPlacement[field]));
    } else if (kNames[field] == u"ClipRate") {  // 0 or out of range keeps 1000
        PW_FUZZ_CHECK(loaded.ClipRate ==
                      (whole == 0 || whole < INT16_MIN || whole > INT16_MAX ? 1000 : whole));
    } else if (kNames[field] == u"Limit") {  // out of range keeps the field's first value
        PW_FUZZ_CHECK(loaded.Limit == (whole < INT32_MIN || whole > INT32_MAX ? 0 : whole));
    }
}

Settings Load(const Registry& registry) {
    Settings s;
    LoadSettings(registry, kFolder, s, [] { return std::u16string(kFolder); });
    return s;
}

// The fields as the exit writes them, in the order of kNames: each a plain string whose only
// NUL ends it. Two records compare field by field, a float by its seven significant digits.
std::vector<std::u16string> Fields(const Settings& s) {
    fake::FakeRegistry saved;
    SaveSettings(saved, kFolder, s);
    std::vector<std::u16string> texts;
    for (const auto name : kNames) {
        auto value = saved.query(RegRoot::CurrentUser, kSettingsKey, name);
        PW_FUZZ_CHECK(value && value->type == RegType::String);
        PW_FUZZ_CHECK(value->data.find(u'\0') == value->data.size() - 1);
        texts.push_back(std::move(value->data));
    }
    return texts;
}

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    fake::FakeRegistry registry, stringsOnly;
    std::vector<std::pair<std::size_t, RegValue>> stored;
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        if (!in.ConsumeBool()) continue;
        const auto type = static_cast<RegType>(in.ConsumeIntegralInRange<int>(0, 4));
        RegValue value{type, fuzz::TakeText(in)};
        registry.set(RegRoot::CurrentUser, kSettingsKey, kNames[i], value);
        if (type == RegType::String)
            stringsOnly.set(RegRoot::CurrentUser, kSettingsKey, kNames[i], value);
        stored.emplace_back(i, std::move(value));
    }
    const Settings loaded = Load(registry);
    // Every number as read, every path without a NUL; the rest reads as missing (below).
    for (const auto& [i, value] : stored) CheckNumericField(i, value, loaded);
    for (const std::u16string* path : {&loaded.SoundFile, &loaded.InitDir})
        PW_FUZZ_CHECK(!path->empty() && path->find(u'\0') == std::u16string::npos);

    const std::vector<std::u16string> fields = Fields(loaded);
    // A value of another type reads as a missing one.
    PW_FUZZ_CHECK(Fields(Load(stringsOnly)) == fields);
    // Each value stands alone: read on its own, it fills its field just as in the whole load.
    // One value an input, chosen by the fuzzer, keeps the target fast.
    if (!stored.empty()) {
        const auto& [i, value] =
            stored[in.ConsumeIntegralInRange<std::size_t>(0, stored.size() - 1)];
        fake::FakeRegistry single;
        single.set(RegRoot::CurrentUser, kSettingsKey, kNames[i], value);
        PW_FUZZ_CHECK(Fields(Load(single))[i] == fields[i]);
    }
    // What the exit writes loads back to the same record.
    fake::FakeRegistry saved;
    for (std::size_t i = 0; i < std::size(kNames); ++i)
        saved.set(RegRoot::CurrentUser, kSettingsKey, kNames[i], {RegType::String, fields[i]});
    PW_FUZZ_CHECK(Fields(Load(saved)) == fields);
    return 0;
}
