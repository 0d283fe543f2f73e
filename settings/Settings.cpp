#include "settings/Settings.h"

#include <cmath>
#include <limits>

#include "settings/NumberText.h"
#include "settings/Registry.h"

namespace pw {

namespace {

std::u16string Read(const Registry& registry, std::u16string_view name) {
    return ReadRegString(registry, RegRoot::CurrentUser, kSettingsKey, name);
}

void Write(Registry& registry, std::u16string_view name, std::u16string_view text) {
    WriteRegString(registry, RegRoot::CurrentUser, kSettingsKey, name, text);
}

// A placement value that reads as 0 (which includes a missing one) takes its default.
void LoadPlacement(const Registry& registry, std::u16string_view name, float& field,
                   float defaultValue) {
    const double v = NumberValue(Read(registry, name));
    if (std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max())
        field = static_cast<float>(v);
    if (field == 0) field = defaultValue;
}

void LoadBool(const Registry& registry, std::u16string_view name, bool& field, bool defaultValue) {
    field = BoolRule(Read(registry, name), defaultValue);
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
    LoadPlacement(registry, u"Left", s.Left, WindowDefaults::Left);
    LoadPlacement(registry, u"Top", s.Top, WindowDefaults::Top);
    LoadPlacement(registry, u"Width", s.Width, WindowDefaults::Width);
    LoadPlacement(registry, u"Height", s.Height, WindowDefaults::Height);
    LoadBool(registry, u"QuickSave", s.QuickSave, true);
    LoadBool(registry, u"DelSaved", s.DelSaved, false);
    LoadBool(registry, u"PlaySound", s.PlaySound, true);
    if (auto limit = RoundToInt32(NumberValue(Read(registry, u"Limit")))) s.Limit = *limit;
    LoadBool(registry, u"ShowMain", s.ShowMain, false);
    s.SoundFile = Read(registry, u"SoundFile");
    if (s.SoundFile.empty()) s.SoundFile = DefaultSoundFile(programFolder);
    LoadBool(registry, u"AddSave", s.AddSave, false);
    LoadBool(registry, u"GetClip", s.GetClip, true);
    if (auto rate = RoundToInt16(NumberValue(Read(registry, u"ClipRate")))) s.ClipRate = *rate;
    if (s.ClipRate == 0) s.ClipRate = 1000;
    s.InitDir = Read(registry, u"InitDir");
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
