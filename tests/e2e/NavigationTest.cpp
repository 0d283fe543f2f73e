// Paging by the keyboard, the go-to-panel dialog on the real up-down control, and the main
// window's sizes, driven from outside.
#include "PenWickFixture.h"
// After <windows.h>, which the fixture brings.
#include <commctrl.h>

#include "app/PanelNumLayout.h"

namespace e2e {
namespace {

class Navigation : public PenWick {
  protected:
    // Ctrl with a letter through the keyboard, so that the program's accelerators translate it.
    void PressCtrl(WORD key) {
        SetForegroundWindow(main);
        ASSERT_TRUE(poll([&] { return Active() == main; }));
        INPUT in[4] = {};
        const WORD keys[4] = {VK_CONTROL, key, key, VK_CONTROL};
        for (int i = 0; i < 4; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wVk = keys[i];
            in[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
        }
        ASSERT_EQ(SendInput(4, in, sizeof(INPUT)), 4u);
    }
    GUITHREADINFO Gui() {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        return info;
    }
    HWND Active() { return Gui().hwndActive; }
    // The main window takes input again and has the activation.
    bool MainIsBack(HWND dialog) {
        return poll([&] { return !IsWindow(dialog) && isEnabled(main) && Active() == main; });
    }
    bool WaitText(HWND window, std::wstring_view expected) {
        return poll([&] { return windowText(window) == expected; });
    }
};

using Resizing = Navigation;

TEST_F(Navigation, TheShortcutsAndTheGoToDialogOnTheRealUpDown) {
    Launch();
    // Seven panels holding "1".."7".
    ASSERT_TRUE(typeText(content, L"1"));
    for (int i = 2; i <= 7; ++i) {
        Command("PanelNew");
        ASSERT_TRUE(typeText(content, std::to_wstring(i)));
    }
    const struct {
        WORD key;
        const wchar_t* position;
    } steps[] = {{'W', L"6/7"}, {'Q', L"1/7"}, {'R', L"2/7"}, {'T', L"7/7"}, {'W', L"6/7"}};
    for (const auto& step : steps) {
        PressCtrl(step.key);
        EXPECT_TRUE(WaitPosition(step.position)) << static_cast<char>(step.key);
    }

    PressCtrl('E');
    HWND dialog = WaitForCaption(wide(pw::PanelNumFormLayout().caption));
    ASSERT_TRUE(dialog);
    HWND box = findChild(dialog, L"Edit");
    HWND arrows = findChild(dialog, UPDOWN_CLASSW);
    ASSERT_TRUE(box && arrows);
    EXPECT_FALSE(isEnabled(main));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
    EXPECT_EQ(windowText(box), L"6");
    EXPECT_EQ(Gui().hwndFocus, box);

    // The up arrow by the mouse, then the arrow keys in the box; the ends wrap around. Typing
    // replaces the number, which each step selects.
    const RECT a = windowRect(arrows);
    const LPARAM upArrow = MAKELPARAM((a.right - a.left) / 2, (a.bottom - a.top) / 4);
    ASSERT_TRUE(post(arrows, WM_LBUTTONDOWN, MK_LBUTTON, upArrow));
    ASSERT_TRUE(post(arrows, WM_LBUTTONUP, 0, upArrow));
    EXPECT_TRUE(WaitText(box, L"7"));
    ASSERT_TRUE(typeText(box, L"x7"));
    EXPECT_EQ(windowText(box), L"7");
    ASSERT_TRUE(post(box, WM_KEYDOWN, VK_UP, 0));
    EXPECT_TRUE(WaitText(box, L"1"));
    ASSERT_TRUE(post(box, WM_KEYDOWN, VK_DOWN, 0));
    EXPECT_TRUE(WaitText(box, L"7"));

    // A number beyond the panels, confirmed with Enter, lands on the last one.
    ASSERT_TRUE(typeText(box, L"9"));
    ASSERT_TRUE(post(box, WM_KEYDOWN, VK_RETURN, 0));
    EXPECT_TRUE(WaitPosition(L"7/7"));
    EXPECT_TRUE(MainIsBack(dialog));
    EXPECT_EQ(windowText(content), L"7");

    // Closed by its title bar, it changes nothing.
    ASSERT_TRUE(click(go));
    dialog = WaitForCaption(wide(pw::PanelNumFormLayout().caption));
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(typeText(findChild(dialog, L"Edit"), L"1"));
    ASSERT_TRUE(postClose(dialog));
    EXPECT_TRUE(MainIsBack(dialog));
    EXPECT_EQ(Position(), L"7/7");
}

TEST_F(Resizing, TheMinimumSizeHoldsAndMaximisingAndMinimisingKeepTheNormalPlacement) {
    Launch();
    SetWindowPos(main, nullptr, 0, 0, 60, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(poll([&] {  // 2895 by 3000 twips at 96 dpi
        const RECT r = windowRect(main);
        return r.right - r.left == 193 && r.bottom - r.top == 200;
    }));
    SetWindowPos(main, nullptr, 40, 30, 400, 320, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(post(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0));
    ASSERT_TRUE(poll([&] { return IsZoomed(main) != FALSE; }));
    ASSERT_TRUE(post(main, WM_SYSCOMMAND, SC_MINIMIZE, 0));
    ASSERT_TRUE(poll([&] { return !isVisible(main); }));
    ASSERT_TRUE(Tray(WM_LBUTTONDBLCLK));
    EXPECT_TRUE(poll([&] { return isVisible(main) && !IsIconic(main) && !IsZoomed(main); }));
    Exit();
    EXPECT_EQ(Setting(L"Left"), L"600");
    EXPECT_EQ(Setting(L"Top"), L"450");
    EXPECT_EQ(Setting(L"Width"), L"6000");
    EXPECT_EQ(Setting(L"Height"), L"4800");
}

}  // namespace
}  // namespace e2e
