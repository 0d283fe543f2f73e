#pragma once
#include <memory>

#include "app/AppState.h"
#include "app/FindCommands.h"
#include "capture/CaptureAlert.h"
#include "capture/ClipMonitor.h"
#include "help/HelpCommands.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "saving/SaveCommands.h"
#include "tray/Tray.h"

namespace pw {

class Options;
class PanelNum;

// The main window: the panel on show, paging, the menus, start-up and shutdown.
class Main {
  public:
    Main(AppState& state, Platform& platform);
    ~Main();
    Main(const Main&) = delete;
    Main& operator=(const Main&) = delete;

    // Start-up. False when another instance already runs; nothing else has happened then.
    bool Form_Initialize();
    Form& form() { return *form_; }
    const ClipMonitor& clipMonitor() const { return monitor_; }

    // What the other windows and commands change the panels with.
    void ShowPanel();
    void RemovePanel(int k);
    void ClearPanels();
    // The watching settings take effect: the clipboard timer's rate and state, the tray menu's
    // check mark, the tray icon, and the clipboard's present text when watching is on.
    void ApplyWatching();

  private:
    void WireEvents();

    // Panels
    void Content_Change();
    void PanelNew_Click();
    void PanelDel_Click();
    void EditAll_Click();
    bool AddPanel();

    // Paging
    void cmdFirst_Click();
    void cmdBack_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdGo_Click();
    void KeyPress(char16_t& key);

    // Window life
    void PlaceWindow();
    void HideMainWindow();
    void ShowMainWindow();
    void PanelExit_Click();
    void Form_QueryUnload(bool& cancel, UnloadMode mode);
    void Form_Unload();
    void Form_Resize();

    // Clipboard capture and its alert
    void ClipTimer_Timer();
    void Capture(std::u16string text);
    void TrayClip_Click();
    void AlertTimer_Timer();

    // Dialogs that open from the menus
    void EditOption_Click();
    void HelpAbout_Click();

    // Chinese conversion of the panel on show
    void ToolB2G_Click();
    void ToolG2B_Click();
    void ConvertPanel(std::u16string (*convert)(std::u16string_view));

    AppState& state_;
    Platform& platform_;
    std::unique_ptr<Form> form_;
    TextBox& Content_;
    Button& cmdGo_;
    Button& cmdFirst_;
    Button& cmdBack_;
    Button& cmdNext_;
    Button& cmdLast_;
    MenuItem& TrayShow_;
    MenuItem& TrayClip_;
    Timer& ClipTimer_;
    // The go-to-panel dialog lives from one opening to the next: it cannot go away inside its
    // own events.
    std::unique_ptr<PanelNum> panelNum_;
    bool unloaded_ = false;
    Tray tray_;
    ClipMonitor monitor_;
    CaptureAlert alert_;
    SaveCommands saving_;
    // Kept after its window closes, until the next opening or the end.
    std::unique_ptr<Options> options_;
    HelpCommands help_;
    FindCommands find_;
};

}  // namespace pw
