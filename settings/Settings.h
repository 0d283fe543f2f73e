#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Identity.h"
#include "platform/Registry.h"

namespace pw {

struct WindowDefaults {
    static constexpr float Left = 3255, Top = 2355, Width = 5325, Height = 4560;
};

// Fields carry the names of their registry values. Before loading everything is zero, false
// or empty.
struct Settings {
    float Left = 0, Top = 0, Width = 0, Height = 0;  // the main window's normal placement, twips
    bool QuickSave = false;
    bool AddSave = false;
    bool DelSaved = false;
    bool GetClip = false;
    std::int16_t ClipRate = 0;  // ms
    std::int32_t Limit = 0;     // characters; 0 switches the threshold off
    bool PlaySound = false;
    std::u16string SoundFile;
    bool ShowMain = false;
    std::u16string InitDir;
};

// "1.10.0031": minor padded to two digits, revision to four.
std::u16string VersionText(const ProgramVersion& version);

// Each value stands alone: one that cannot be read keeps the field's previous value. Without a
// stored folder the save dialog opens in the folder that `firstSaveFolder` gives, asked only then.
void LoadSettings(const Registry& registry, std::u16string_view programFolder, Settings& settings,
                  const std::function<std::u16string()>& firstSaveFolder);
void SaveSettings(Registry& registry, std::u16string_view programFolder, const Settings& settings,
                  const ProgramVersion& version = {});

// A file beside the program: one backslash between, also when the folder is a drive's root.
std::u16string ProgramFilePath(std::u16string_view programFolder, std::u16string_view name);
std::u16string DefaultSoundFile(std::u16string_view programFolder);

}  // namespace pw
