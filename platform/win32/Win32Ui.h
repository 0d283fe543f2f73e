#pragma once
#include <windows.h>

#include "platform/Ui.h"

namespace pw::win32 {

class Win32Ui : public Ui {
  public:
    explicit Win32Ui(HINSTANCE instance);
    std::unique_ptr<Form> createForm(const FormLayout& layout, Form* owner) override;
    MsgResult messageBox(Form* owner, std::u16string_view text, std::u16string_view title,
                         MsgIcon icon, MsgButtons buttons) override;
    std::vector<RectTw> monitors() const override;
    std::vector<RectTw> workAreas() const override;
    void quit() override;

    // The message loop; returns the exit code.
    int run();

  private:
    HINSTANCE instance_;
};

}  // namespace pw::win32
