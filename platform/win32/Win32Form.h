#pragma once
// A window made from its layout table: its controls (one class per kind, in files of their
// own), its menus and timers, its DPI, the keyboard of a dialog, and the unload protocol.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Form.h"
#include "platform/win32/Owned.h"
#include "platform/win32/Win32Control.h"
#include "platform/win32/Win32Menu.h"
#include "platform/win32/Win32Timer.h"

namespace pw::win32 {

class Win32Form : public Form {
  public:
    Win32Form(HINSTANCE instance, const FormLayout& layout, HWND owner = nullptr);
    ~Win32Form() override;

    Control& control(std::string_view name) override;
    MenuItem& menu(std::string_view name) override;
    Timer& timer(std::string_view name) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    bool enabled() const override;
    void setEnabled(bool enabled) override;
    bool setFocus() override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    RectTw bounds() const override;
    RectTw clientArea() const override;
    void setBounds(const RectTw& rect) override;
    void setMinimumSize(double width, double height) override;
    void unload() override;
    void popupMenu(std::string_view menuName) override;
    void hookMessages(MessageHook hook) override;
    void unhookMessages() override;

    HWND hwnd() const { return hwnd_; }
    // A control's window side.
    Win32Child& child(std::string_view name);
    HFONT font() const { return font_.get(); }
    HWND toolTips() const { return tips_; }
    UINT dpi() const { return dpi_; }
    const FormLayout& layout() const { return layout_; }

    // What the controls ask of their form. A control on a tab page is a child of the page's
    // window, which shows and hides with its tab; every other control is a child of the form.
    bool onPage(const ControlLayout& control) const { return pageOf(control) != nullptr; }
    HWND parentOf(const ControlLayout& control) const;
    // While the controls are made, in the tab order: the control begins a group, one that the
    // arrow keys move within (controls of one kind side by side in one window, such as the
    // dialog's buttons or the check boxes of a group box).
    bool startsGroup(const ControlLayout& control);
    // Where a control lies in its parent window, in pixels, given its container and its
    // rectangle there.
    RECT pixelsInParent(std::string_view container, RectTw rect) const;
    // The page's own background behind a control on a tab page, so that nothing on the page
    // stands out from it; null for a control elsewhere.
    HBRUSH pageBackground(const ControlLayout& control, HWND window, HDC dc) const;
    // A tab control brought another page to the front.
    void showPages();
    // Keyboard handling that belongs to the window rather than to one control: accelerators
    // and the dialog keys. True when the message is used.
    bool preTranslate(MSG& msg);
    // A control took the keyboard focus.
    void focusMoved(Win32Child& to);

    static void RegisterClass(HINSTANCE instance);
    static Win32Form* FromHwnd(HWND hwnd);
    static constexpr wchar_t kFormClass[] = L"PenWickForm";
    static constexpr wchar_t kPageClass[] = L"PenWickPage";
    // Posted to a form when it first shows: make its tool tips.
    static constexpr UINT kMakeToolTips = WM_APP + 0x100;

  protected:
    [[noreturn]] void wrongKind(std::string_view name) override;

  private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK HookProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT setCursor(WPARAM wp, LPARAM lp);
    void createPages(HINSTANCE instance);
    void createControls();
    HMENU createMenus();
    void makeToolTips();
    void applyDpi(UINT dpi);
    void placePages();
    void requestUnload(UnloadMode mode);
    void click(Win32Child* button);
    Win32Child* controlById(int id);
    Win32Child* controlByHwnd(HWND hwnd);
    Win32Child* findStyled(std::uint32_t style);
    HWND firstInTabOrder() const;
    void restoreFocus();
    bool switchPage(WPARAM key);
    bool dialogMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    const ControlLayout* layoutOf(std::string_view name) const;
    const ControlLayout* pageOf(const ControlLayout& control) const;
    int pageIndex(const ControlLayout& page) const;
    bool pageInFront(const ControlLayout& page) const;

    const FormLayout& layout_;
    HWND hwnd_ = nullptr;  // owned by window_ once it is created
    HWND tips_ = nullptr;  // owned by the window: Windows destroys it with its owner
    OwnedFont font_;
    OwnedAccelerators accel_;
    UINT dpi_ = 96;
    double minWidth_ = 0, minHeight_ = 0;
    bool frameClose_ = false;
    bool restoreOnShow_ = false;
    bool unloading_ = false;
    HWND lastFocus_ = nullptr;
    Win32Child* defaultButton_ = nullptr;  // what Enter presses in a dialog, once the focus moved
    std::map<HWND, ControlKind> groupKinds_;  // the kind made last in each window, while made
    std::map<std::string, HWND, std::less<>> pages_;  // children of the window: it destroys them
    std::map<std::string, std::unique_ptr<Win32Child>, std::less<>> controls_;
    std::map<std::string, std::unique_ptr<Win32MenuItem>, std::less<>> menus_;
    std::map<std::string, HMENU, std::less<>> popups_;
    std::map<std::string, std::unique_ptr<Win32Timer>, std::less<>> timers_;
    std::vector<OwnedMenu> ownedMenus_;  // menus on no bar: Windows frees only those it shows
    MessageHook hook_;
    WNDPROC previousProc_ = nullptr;
    // Last, so that it goes first, while everything its last messages reach is still there.
    OwnedWindow window_;
};

}  // namespace pw::win32
