#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Form.h"
#include "platform/win32/Bug.h"
#include "platform/win32/Owned.h"

namespace pw::win32 {

class Win32Form;

class Win32Control : public Control {
  public:
    Win32Control(Win32Form& form, const ControlLayout& layout, HWND hwnd, int id);

    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    std::u16string toolTip() const override { return toolTip_; }
    void setToolTip(std::u16string_view tip) override;
    bool enabled() const override;
    void setEnabled(bool enabled) override;
    bool setFocus() override;
    bool hasFocus() const override;
    Selection selection() const override;
    void select(std::size_t start, std::size_t length) override;
    bool checked() const override;
    void setChecked(bool checked) override;
    RectTw bounds() const override { return bounds_; }
    void setBounds(const RectTw& rect) override;
    int value() const override { return value_; }
    void setValue(int value) override;
    void setRange(int minimum, int maximum) override;
    Color foreColor() const override { return foreColor_; }
    void setForeColor(Color color) override;
    bool underline() const override { return underline_; }
    void setUnderline(bool underline) override;

    HWND hwnd() const { return hwnd_; }
    int id() const { return id_; }
    const ControlLayout& layout() const { return layout_; }
    void applyDpi();
    // Notifications from the parent window.
    void notify(WORD code);
    // An up-down's arrow was clicked (or an arrow key pressed in its box).
    void spin(int delta);
    // The brush a static control paints its background with, its text colour set on the way;
    // null for the system's default look.
    HBRUSH paint(HDC dc);

  private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    bool isEdit() const { return layout_.kind == ControlKind::TextBox; }
    void showValueInBuddy();
    void fitWidthToText();
    void makeFonts(UINT dpi);

    Win32Form& form_;
    const ControlLayout layout_;
    HWND hwnd_;
    int id_;
    RectTw bounds_;
    std::u16string toolTip_;
    bool settingText_ = false;
    bool toolAdded_ = false;
    int value_ = 0, minimum_ = 0, maximum_ = 0;
    Color foreColor_;
    bool underline_ = false;
    // Only for controls with a font of their own, or underlined: plain and underlined.
    OwnedFont font_, underlineFont_;
    UINT fontDpi_ = 0;
    OwnedBrush lineBrush_;
    OwnedIcon icon_;
};

class Win32MenuItem : public MenuItem {
  public:
    Win32MenuItem(const MenuLayout& layout, HMENU parent, int id,
                  std::vector<Win32MenuItem*> siblingsBefore, HMENU submenu);
    std::u16string caption() const override { return std::u16string(layout_.caption); }
    bool checked() const override { return checked_; }
    void setChecked(bool checked) override;
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override;

    int id() const { return id_; }

  private:
    void insert();

    const MenuLayout layout_;
    HMENU parent_;
    int id_;
    std::vector<Win32MenuItem*> before_;  // earlier items of the same menu, for re-insertion
    HMENU submenu_;
    bool checked_ = false;
    bool visible_ = true;
};

class Win32Timer : public Timer {
  public:
    Win32Timer(HWND hwnd, UINT_PTR id, const TimerLayout& layout);
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    int interval() const override { return interval_; }
    bool setInterval(int milliseconds) override;
    void fire();

  private:
    void apply();
    HWND hwnd_;
    UINT_PTR id_;
    bool enabled_;
    int interval_;
    bool ticking_ = false;
};

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
    HFONT font() const { return font_.get(); }
    HWND toolTips() const { return tips_; }
    UINT dpi() const { return dpi_; }
    // Where a control lies in the client area, given its container and its rectangle there.
    RectTw inClientArea(std::string_view container, RectTw rect) const;
    bool pageInFront(const ControlLayout& page) const;
    void bringToFront(const ControlLayout& page);
    // Keyboard handling that belongs to the window rather than to one control: accelerators,
    // Tab between controls, Enter and Esc for dialog buttons. True when the message is used.
    bool preTranslate(MSG& msg);

    static void RegisterClass(HINSTANCE instance);
    static Win32Form* FromHwnd(HWND hwnd);

  private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK HookProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    void createControls();
    void createMenus();
    OwnedFont createFont() const;
    void applyDpi(UINT dpi);
    void requestUnload(UnloadMode mode);
    Win32Control* controlById(int id);
    const ControlLayout* layoutOf(std::string_view name) const;
    const ControlLayout* pageOf(const ControlLayout& control) const;
    int pageIndex(const ControlLayout& page) const;
    void createTabs();
    void showPages();
    void pageChanged(int tabId);
    Win32Control* controlByHwnd(HWND hwnd);
    Win32Control* findStyled(std::uint32_t style);

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
    std::map<std::string, std::unique_ptr<Win32Control>, std::less<>> controls_;
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
