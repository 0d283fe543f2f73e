// A started PenWick with its main window and controls found the way a user sees them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Harness.h"
#include "app/MainLayout.h"

namespace e2e {

// The menu command with this caption under the top-level menu with that caption, looked up in
// the program's own menu table (Wine cannot read another process's menus).
WORD MenuCommand(std::u16string_view menuCaption, std::u16string_view itemCaption);

class PenWick : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program and finds its window; settings may be stored before.
    void Launch();
    void Exit();
    void Hide();  // the close box
    void StoreSetting(std::wstring_view name, std::wstring_view value) {
        ASSERT_TRUE(regWriteString(HKEY_CURRENT_USER, name, value));
    }
    std::wstring Setting(std::wstring_view name) {
        return regReadString(HKEY_CURRENT_USER, name).value_or(L"<missing>");
    }
    void Command(std::u16string_view menu, std::u16string_view item) {
        ASSERT_TRUE(sendCommand(main, MenuCommand(menu, item)));
    }
    std::wstring Position() { return windowText(go); }
    bool WaitPosition(std::wstring_view expected, Millis timeout = kTimeout) {
        return poll([&] { return windowText(go) == expected; }, timeout);
    }
    bool WaitContent(std::wstring_view expected, Millis timeout = kTimeout) {
        return poll([&] { return windowText(content) == expected; }, timeout);
    }
    // The whole text of the panel on show, through the program's own copy, so that texts of
    // any size come out whole.
    std::wstring CopyContent();

    Program program;
    HWND main = nullptr, content = nullptr, go = nullptr;
    HWND first = nullptr, back = nullptr, next = nullptr, last = nullptr;
};

}  // namespace e2e
