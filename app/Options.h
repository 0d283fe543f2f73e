#pragma once
#include <functional>

#include "app/AppState.h"
#include "platform/DialogForm.h"
#include "platform/Platform.h"
#include "saving/Dialog.h"

namespace pw {

// The Options dialog. Non-modal: it opens from the Settings record when made, and closing
// destroys its window; the main window makes a fresh one for the next opening.
class Options : public DialogForm {
  public:
    // applyWatching: the main window puts the watching settings into effect (its timer, its
    // tray menu, the tray icon, the clipboard text already there).
    Options(AppState& state, Platform& platform, Form& mainWindow,
            std::function<void()> applyWatching);

  private:
    void WireEvents();
    void Form_Load() override;
    void OK_Click();
    void Cancel_Click();
    void Apply_Click();
    void sndFile_Click();
    void chkLookClip_Click();
    void chkPlaySound_Click();
    void txtRate_Change();
    void txtRate_KeyPress(char16_t& key);
    void txtLimit_Change();
    void txtLimit_KeyPress(char16_t& key);
    void txtLimit_GotFocus();

    void Changed() { Apply_.setEnabled(true); }
    void ShowSoundFile(const std::u16string& path);
    void EnableRate(bool on);

    AppState& state_;
    Platform& platform_;
    std::function<void()> applyWatching_;
    Dialog dialog_;
    Tab& SSTab1_;
    Button& OK_;
    Button& Cancel_;
    Button& Apply_;
    Button& sndFile_;
    CheckBox& chkQuickSave_;
    CheckBox& chkAddSave_;
    CheckBox& chkDelSaved_;
    CheckBox& AutoRun_;
    CheckBox& chkLookClip_;
    CheckBox& chkPlaySound_;
    CheckBox& chkShowMain_;
    Label& lblRate_;
    Label& lblRateUnit_;
    TextBox& txtRate_;
    TextBox& txtLimit_;
};

}  // namespace pw
