// The whole settings load from arbitrary registry contents: any value of any type, huge,
// holding NULs, or missing.
#include <cmath>
#include <functional>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakeUi.h"
#include "settings/Settings.h"

namespace pw {
namespace {

constexpr std::u16string_view kFolder = u"C:\\程序\\PenWick";

bool Near(float a, float b) { return a == b || std::fabs(a - b) <= 1e-6f * std::fabs(a); }

// Each stored value and the field it fills; `same` compares that field of two loads.
struct Field {
    std::u16string_view name;
    std::function<bool(const Settings&, const Settings&)> same;
};

template <typename T>
std::function<bool(const Settings&, const Settings&)> Equal(T Settings::*field) {
    return [field](const Settings& a, const Settings& b) { return a.*field == b.*field; };
}

std::function<bool(const Settings&, const Settings&)> Close(float Settings::*field) {
    return [field](const Settings& a, const Settings& b) { return Near(a.*field, b.*field); };
}

const Field kFields[] = {
    {u"Left", Equal(&Settings::Left)},           {u"Top", Equal(&Settings::Top)},
    {u"Width", Equal(&Settings::Width)},         {u"Height", Equal(&Settings::Height)},
    {u"QuickSave", Equal(&Settings::QuickSave)}, {u"AddSave", Equal(&Settings::AddSave)},
    {u"DelSaved", Equal(&Settings::DelSaved)},   {u"GetClip", Equal(&Settings::GetClip)},
    {u"ClipRate", Equal(&Settings::ClipRate)},   {u"Limit", Equal(&Settings::Limit)},
    {u"PlaySound", Equal(&Settings::PlaySound)}, {u"SoundFile", Equal(&Settings::SoundFile)},
    {u"ShowMain", Equal(&Settings::ShowMain)},   {u"InitDir", Equal(&Settings::InitDir)},
};

bool Same(const Settings& a, const Settings& b) {
    for (const Field& f : kFields)
        if (!f.same(a, b)) return false;
    return true;
}

// What a save and a load give back: floats through their seven-digit texts, the rest exactly.
bool SameAfterSave(const Settings& a, const Settings& b) {
    for (const Field& f : kFields) {
        if (f.name == u"Left" || f.name == u"Top" || f.name == u"Width" || f.name == u"Height")
            continue;
        if (!f.same(a, b)) return false;
    }
    return Close(&Settings::Left)(a, b) && Close(&Settings::Top)(a, b) &&
           Close(&Settings::Width)(a, b) && Close(&Settings::Height)(a, b);
}

Settings Load(const Registry& registry) {
    Settings s;
    LoadSettings(registry, kFolder, s);
    return s;
}

void CheckInRange(const Settings& s) {
    for (float v : {s.Left, s.Top, s.Width, s.Height}) PW_FUZZ_CHECK(std::isfinite(v) && v != 0);
    PW_FUZZ_CHECK(s.ClipRate != 0);
    for (const std::u16string* path : {&s.SoundFile, &s.InitDir})
        PW_FUZZ_CHECK(!path->empty() && path->find(u'\0') == std::u16string::npos);
}

}  // namespace
}  // namespace pw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pw;
    FuzzedDataProvider in(data, size);
    fake::FakeRegistry registry;
    fake::FakeRegistry stringsOnly;
    std::vector<std::pair<std::u16string_view, RegValue>> stored;
    for (const Field& f : kFields) {
        if (!in.ConsumeBool()) continue;
        const auto type = static_cast<RegType>(in.ConsumeIntegralInRange<int>(0, 4));
        RegValue value{type, fuzz::TakeText(in)};
        registry.set(RegRoot::CurrentUser, kSettingsKey, f.name, value);
        if (type == RegType::String)
            stringsOnly.set(RegRoot::CurrentUser, kSettingsKey, f.name, value);
        stored.emplace_back(f.name, std::move(value));
    }
    const Settings loaded = Load(registry);
    CheckInRange(loaded);
    // A value of another type reads as a missing one.
    PW_FUZZ_CHECK(Same(Load(stringsOnly), loaded));

    // Each value stands alone: read on its own, it fills its field just as in the whole load.
    for (const auto& [name, value] : stored) {
        fake::FakeRegistry single;
        single.set(RegRoot::CurrentUser, kSettingsKey, name, value);
        const Settings alone = Load(single);
        for (const Field& f : kFields)
            if (f.name == name) PW_FUZZ_CHECK(f.same(alone, loaded));
    }

    // What the exit writes is plain strings that load back to the same record.
    fake::FakeRegistry saved;
    SaveSettings(saved, kFolder, loaded);
    for (const Field& f : kFields) {
        const auto value = saved.query(RegRoot::CurrentUser, kSettingsKey, f.name);
        PW_FUZZ_CHECK(value && value->type == RegType::String);
        PW_FUZZ_CHECK(!value->data.empty() && value->data.find(u'\0') == value->data.size() - 1);
    }
    PW_FUZZ_CHECK(SameAfterSave(Load(saved), loaded));
    return 0;
}
