#pragma once
// What every real control shares: its window, its place, its tip, focus and enabling, and the
// events that any kind raises. Each kind adds its own operations in a file of its own.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/Controls.h"
#include "platform/win32/Owned.h"

namespace pw::win32 {

class Win32Form;

constexpr int kFontPoints = 9;
constexpr wchar_t kFontFace[] = L"宋体";

// Every font of the program: normal weight, the GB2312 character set.
OwnedFont CreateUiFont(const wchar_t* face, double points, bool underline, UINT dpi);
COLORREF ColorRef(Color color);

// The window side of a control, the same for every kind.
class Win32Child {
  public:
    // Creates the control's window as a child of the form.
    Win32Child(Win32Form& form, const ControlLayout& layout, int id, const wchar_t* windowClass,
               DWORD style, DWORD exStyle);
    virtual ~Win32Child() = default;
    Win32Child(const Win32Child&) = delete;
    Win32Child& operator=(const Win32Child&) = delete;

    HWND hwnd() const { return hwnd_; }
    int id() const { return id_; }
    const ControlLayout& layout() const { return layout_; }
    // The control as the presenters see it, for the events every kind has.
    virtual Control& events() = 0;
    // Every control of the form exists: connect to the others.
    virtual void created() {}
    // Font and place at the form's DPI.
    virtual void applyDpi();
    // Into the place its bounds give at the form's DPI; the font stays.
    virtual void place();
    // A notification through WM_COMMAND.
    virtual void notify(WORD /*code*/) {}
    // A notification through WM_NOTIFY; true when it is answered, with its result.
    virtual bool notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // The brush to paint the control's background with, colours set on the way; null for the
    // look the control would have anyway.
    virtual HBRUSH paint(HDC dc);
    // What a screen reader reads for the control; empty where its caption serves.
    virtual std::u16string accessibleName() const { return {}; }
    // Hands the tip to the form's tool tips, once the form has made them.
    void registerTip();

  protected:
    virtual HFONT font() const;
    bool isEnabled() const;
    void enable(bool enabled);
    bool focus();
    bool focused() const { return GetFocus() == hwnd_; }
    void setTip(std::u16string_view tip);
    std::u16string windowText() const;
    void setWindowText(const std::u16string& text);

    Win32Form& form_;
    const ControlLayout layout_;
    HWND hwnd_;
    const int id_;
    RectTw bounds_;
    std::u16string toolTip_;

  private:
    static LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM);
    WNDPROC baseProc_ = nullptr;
    bool toolAdded_ = false;
};

// The operations every kind has, on the shared window side.
template <typename Kind>
class Win32Ctl : public Kind, public Win32Child {
  public:
    Win32Ctl(Win32Form& form, const ControlLayout& layout, int id, const wchar_t* windowClass,
             DWORD style, DWORD exStyle = 0)
        : Win32Child(form, layout, id, windowClass, style, exStyle) {}

    Control& events() override { return *this; }
    ControlKind kind() const override { return layout_.kind; }
    bool enabled() const override { return isEnabled(); }
    void setEnabled(bool enabled) override { enable(enabled); }
    bool setFocus() override { return focus(); }
    bool hasFocus() const override { return focused(); }
    RectTw bounds() const override { return bounds_; }
    void setBounds(const RectTw& rect) override {
        bounds_ = rect;
        this->place();
    }
    std::u16string toolTip() const override { return toolTip_; }
    void setToolTip(std::u16string_view tip) override { setTip(tip); }
};

// A kind with a caption or a text.
template <typename Kind>
class Win32TextCtl : public Win32Ctl<Kind> {
  public:
    using Win32Ctl<Kind>::Win32Ctl;
    std::u16string text() const override { return this->windowText(); }
    void setText(const std::u16string& text) override {
        // A caption set again as it is (the position button on every page) costs a repaint.
        if (text != this->windowText()) this->setWindowText(text);
    }
};

}  // namespace pw::win32
