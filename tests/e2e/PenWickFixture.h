// A started PenWick with its main window and controls found the way a user sees them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Harness.h"
#include "app/MainLayout.h"

namespace e2e {

// A menu command by its name in the program's own menu table (Wine cannot read another
// process's menus).
inline WORD MenuCommand(std::string_view item) {
    return static_cast<WORD>(pw::MainCommandId(item));
}

class PenWick : public ::testing::Test {
  protected:
    // Every test starts as a first start, with nothing on the clipboard.
    void SetUp() override {
        regDeleteKey(HKEY_CURRENT_USER);
        regDeleteKey(HKEY_LOCAL_MACHINE);
        emptyClipboard();
    }

    // Starts the program and finds its window; settings may be stored before.
    void Launch() {
        ASSERT_TRUE(program.start());
        main = program.waitForWindow();
        ASSERT_TRUE(main) << "no main window";
        ASSERT_TRUE(poll([&] { return isVisible(main); }));
        content = findChild(main, L"Edit");
        go = findChild(main, L"Button", L"1/1");
        first = findChild(main, L"Button", L"|<");
        back = findChild(main, L"Button", L"<");
        next = findChild(main, L"Button", L">");
        last = findChild(main, L"Button", L">|");
        ASSERT_TRUE(content && go && first && back && next && last);
    }
    void Exit() {
        ASSERT_TRUE(postCommand(main, MenuCommand("PanelExit")));
        ASSERT_TRUE(program.waitForExit().has_value()) << "Exit did not end the program";
    }
    void Hide() {  // the close box
        ASSERT_TRUE(postClose(main));
        ASSERT_TRUE(poll([&] { return !isVisible(main); }));
    }
    void StoreSetting(std::wstring_view name, std::wstring_view value) {
        ASSERT_TRUE(regWriteString(HKEY_CURRENT_USER, name, value));
    }
    std::wstring Setting(std::wstring_view name) {
        return regReadString(HKEY_CURRENT_USER, name).value_or(L"<missing>");
    }
    void Command(std::string_view item) { ASSERT_TRUE(sendCommand(main, MenuCommand(item))); }
    // A mouse event on the tray icon, as the shell reports it.
    bool Tray(UINT mouse) { return post(main, pw::kTrayCallbackMessage, pw::kTrayIconId, mouse); }
    // A visible top-level window of the program with this caption, other than `except`. File
    // dialogs list their folder first, which takes a while on a busy machine.
    HWND WaitForCaption(std::wstring_view caption, HWND except = nullptr) {
        return waitFor(
            [&] {
                for (HWND w : topWindows(program.pid()))
                    if (w != except && isVisible(w) && windowText(w) == caption) return w;
                return HWND{};
            },
            30s);
    }
    std::wstring Position() { return windowText(go); }
    bool WaitPosition(std::wstring_view expected) {
        return poll([&] { return windowText(go) == expected; });
    }
    bool WaitContent(std::wstring_view expected) {
        return poll([&] { return windowText(content) == expected; });
    }
    // The whole text of the panel on show, through the program's own copy, so that texts of
    // any size come out whole.
    std::wstring CopyContent() {
        emptyClipboard();
        sendCommand(main, MenuCommand("EditAll"));  // the program's own select-all
        send(content, WM_COPY, 0, 0, 60s);
        return clipboardText().value_or(L"<nothing copied>");
    }

    Program program;  // ended when the test ends
    HWND main = nullptr, content = nullptr, go = nullptr;
    HWND first = nullptr, back = nullptr, next = nullptr, last = nullptr;
};

}  // namespace e2e
