#pragma once
#include <memory>

#include "app/AppState.h"
#include "capture/ClipMonitor.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "saving/Dialog.h"
#include "tray/Tray.h"

namespace pw {

// The Options dialog. Non-modal: it opens from the Settings record when made, and closing
// destroys its window; the main window makes a fresh one for the next opening.
class Options {
  public:
    // What Apply changes besides the Settings.
    struct MainParts {
        Form& main;  // its ClipTimer, its TrayClip item, its visibility and focus
        ClipMonitor& monitor;
        Tray& tray;
    };
    Options(AppState& state, Platform& platform, const MainParts& parts);
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    bool open() const { return open_; }
    Form& form() { return *form_; }

  private:
    void WireEvents();
    void Form_Load();
    void Form_QueryUnload(bool& cancel, UnloadMode mode);
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

    void Changed() { form_->control("Apply").setEnabled(true); }
    void ShowSoundFile(const std::u16string& path);
    bool Checked(std::string_view box) { return form_->control(box).checked(); }

    AppState& state_;
    Platform& platform_;
    MainParts main_;
    std::unique_ptr<Form> form_;
    Dialog dialog_;
    bool open_ = true;
};

}  // namespace pw
