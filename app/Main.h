#pragma once
#include <memory>

#include "app/AppState.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "tray/Tray.h"

namespace pw {

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

    // Panels
    void ShowPanel();
    void Content_Change();
    void PanelNew_Click();
    void PanelDel_Click();
    void RemovePanel(int k);
    void ClearPanels();
    void EditAll_Click();

    // Paging
    void cmdFirst_Click();
    void cmdBack_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdGo_Click();

    // Window life
    void HideMainWindow();
    void ShowMainWindow();
    void PanelExit_Click();
    void Form_QueryUnload(bool& cancel, UnloadMode mode);
    void Form_Unload();
    void Form_Resize();

    // Clipboard capture and its alert
    void ClipTimer_Timer();
    void TrayClip_Click();
    void AlertTimer_Timer();

    // Dialogs that open from the menus
    void EditOption_Click();
    void HelpAbout_Click();

    // Chinese conversion of the panel on show
    void ToolB2G_Click();
    void ToolG2B_Click();

  private:
    void WireEvents();
    void KeyPress(char16_t& key);
    void PlaceWindow();
    bool AddPanel();
    void Capture(const std::u16string& text);
    // Reads the clipboard and remembers its sequence number with the read.
    std::optional<ClipboardText> ReadClipboard();
    // The clipboard's text as the writers of LastClipText read it: empty when unreadable.
    std::u16string CurrentClipText();

    AppState& state_;
    Platform& platform_;
    std::unique_ptr<Form> form_;
    Control* content_ = nullptr;
    bool unloaded_ = false;
    Tray tray_;
    // The capture alert's counters.
    std::uint8_t AlertTicks = 0;
    bool AlertPhase = false;
    // The clipboard's sequence number when LastClipText was last read from it, so that an
    // unchanged clipboard, however large its text, costs nothing to poll.
    std::uint32_t clipSequence_ = 0;
    bool clipSequenceKnown_ = false;
};

}  // namespace pw
