#pragma once
#include <memory>

#include "app/AppState.h"
#include "platform/Form.h"
#include "platform/Platform.h"

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
    bool unloaded() const { return unloaded_; }

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

    // Chinese conversion of the panel on show
    void ToolB2G_Click();
    void ToolG2B_Click();

private:
    void WireEvents();
    void KeyPress(char16_t& key);
    void PlaceWindow();

    AppState& state_;
    Platform& platform_;
    std::unique_ptr<Form> form_;
    Control* content_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace pw
