#include "settings/Settings.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

#include "settings/NumberText.h"
#include "settings/Registry.h"

namespace pw {

namespace {

// Every stored setting, read together when the program starts.
class StoredSettings {
  public:
    explicit StoredSettings(const Registry& registry)
        : values_(registry.queryAll(RegRoot::CurrentUser, kSettingsKey, kNames)) {}

    // The setting's text; empty when it is missing or not a plain string.
    std::u16string operator()(std::u16string_view name) const {
        for (std::size_t i = 0; i < kNames.size(); ++i)
            if (kNames[i] == name) return RegString(values_[i]);
        throw std::logic_error("a setting that is not read with the others");
    }

  private:
    static constexpr std::array<std::u16string_view, 14> kNames = {
        u"Left",  u"Top",      u"Width",     u"Height",  u"QuickSave", u"DelSaved", u"PlaySound",
        u"Limit", u"ShowMain", u"SoundFile", u"AddSave", u"GetClip",   u"ClipRate", u"InitDir"};
    std::vector<std::optional<RegValue>> values_;
};

void Write(Registry& registry, std::u16string_view name, std::u16string_view text) {
    WriteRegString(registry, RegRoot::CurrentUser, kSettingsKey, name, text);
}

// A placement value that reads as 0 (which includes a missing one) takes its default.
void LoadPlacement(const StoredSettings& stored, std::u16string_view name, float& field,
                   float defaultValue) {
    const double v = NumberValue(stored(name));
    if (std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max())
        field = static_cast<float>(v);
    if (field == 0) field = defaultValue;
}

void LoadBool(const StoredSettings& stored, std::u16string_view name, bool& field,
              bool defaultValue) {
    field = BoolRule(stored(name), defaultValue);
}

}  // namespace

std::u16string ProgramFilePath(std::u16string_view programFolder, std::u16string_view name) {
    std::u16string path(programFolder);
    if (path.empty() || path.back() != u'\\') path += u'\\';
    return path.append(name);
}

std::u16string DefaultSoundFile(std::u16string_view programFolder) {
    return ProgramFilePath(programFolder, u"Add.wav");
}

std::u16string VersionText(const ProgramVersion& version) {
    auto padded = [](const std::u16string& text, std::size_t width) {
        return text.size() < width ? std::u16string(width - text.size(), u'0') + text : text;
    };
    std::u16string text = padded(NumText(std::int64_t{version.revision}), 4);
    text = padded(NumText(std::int64_t{version.minor}) + u"." + text, 7);
    return NumText(std::int64_t{version.major}) + u"." + text;
}

void LoadSettings(const Registry& registry, std::u16string_view programFolder, Settings& s,
                  const std::function<std::u16string()>& firstSaveFolder) {
    const StoredSettings stored(registry);
    LoadPlacement(stored, u"Left", s.Left, WindowDefaults::Left);
    LoadPlacement(stored, u"Top", s.Top, WindowDefaults::Top);
    LoadPlacement(stored, u"Width", s.Width, WindowDefaults::Width);
    LoadPlacement(stored, u"Height", s.Height, WindowDefaults::Height);
    LoadBool(stored, u"QuickSave", s.QuickSave, true);
    LoadBool(stored, u"DelSaved", s.DelSaved, false);
    LoadBool(stored, u"PlaySound", s.PlaySound, true);
    if (auto limit = RoundToInt32(NumberValue(stored(u"Limit")))) s.Limit = *limit;
    LoadBool(stored, u"ShowMain", s.ShowMain, false);
    s.SoundFile = stored(u"SoundFile");
    if (s.SoundFile.empty()) s.SoundFile = DefaultSoundFile(programFolder);
    LoadBool(stored, u"AddSave", s.AddSave, false);
    LoadBool(stored, u"GetClip", s.GetClip, true);
    if (auto rate = RoundToInt16(NumberValue(stored(u"ClipRate")))) s.ClipRate = *rate;
    if (s.ClipRate == 0) s.ClipRate = 1000;
    s.InitDir = stored(u"InitDir");
    if (s.InitDir.empty()) s.InitDir = firstSaveFolder();
}

void SaveSettings(Registry& registry, std::u16string_view programFolder, const Settings& s,
                  const ProgramVersion& version) {
    Write(registry, u"Left", NumText(s.Left));
    Write(registry, u"Top", NumText(s.Top));
    Write(registry, u"Width", NumText(s.Width));
    Write(registry, u"Height", NumText(s.Height));
    Write(registry, u"QuickSave", BoolText(s.QuickSave));
    Write(registry, u"PlaySound", BoolText(s.PlaySound));
    Write(registry, u"ShowMain", BoolText(s.ShowMain));
    Write(registry, u"SoundFile", s.SoundFile);
    Write(registry, u"AddSave", BoolText(s.AddSave));
    Write(registry, u"GetClip", BoolText(s.GetClip));
    Write(registry, u"ClipRate", NumText(std::int64_t{s.ClipRate}));
    Write(registry, u"Limit", NumText(std::int64_t{s.Limit}));
    Write(registry, u"InitDir", s.InitDir);
    Write(registry, u"DelSaved", BoolText(s.DelSaved));
    WriteRegString(registry, RegRoot::LocalMachine, kSettingsKey, u"Path", programFolder);
    WriteRegString(registry, RegRoot::LocalMachine, kSettingsKey, u"Version", VersionText(version));
}

}  // namespace pw
