// The program's own dialogs on real controls, driven by the keyboard.
#include "Harness.h"
#include "app/OptionsLayout.h"
#include "app/PanelNumLayout.h"

namespace e2e {
namespace {

using Navigation = PenWick;

TEST_F(Navigation, CtrlKeysPageAndTheGoToDialogTakesTheArrowsOfTheRealUpDown) {
    Launch();
    ASSERT_TRUE(typeText(content, L"1"));
    for (int i = 2; i <= 7; ++i) {
        Command("PanelNew");
        ASSERT_TRUE(typeText(content, std::to_wstring(i)));
    }
    const std::pair<WORD, const wchar_t*> steps[] = {
        {'W', L"6/7"}, {'Q', L"1/7"}, {'R', L"2/7"}, {'T', L"7/7"}, {'W', L"6/7"}};
    for (const auto& [key, position] : steps) {
        ASSERT_TRUE(press(main, key, true));
        EXPECT_TRUE(WaitPosition(position)) << static_cast<char>(key);
    }

    ASSERT_TRUE(press(main, 'E', true));
    HWND dialog = program.waitForWindow(wide(pw::PanelNumFormLayout().caption));
    ASSERT_TRUE(dialog);
    HWND box = child(dialog, L"Edit"), arrows = child(dialog, UPDOWN_CLASSW);
    ASSERT_TRUE(box && arrows);
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
    EXPECT_EQ(windowText(box), L"6");
    // The up arrow by the mouse, then by the keyboard into the focused box, where the last
    // number wraps around; typing replaces the number, which each step selects.
    const RECT a = windowRect(arrows);
    const LPARAM upArrow = MAKELPARAM((a.right - a.left) / 2, (a.bottom - a.top) / 4);
    ASSERT_TRUE(post(arrows, WM_LBUTTONDOWN, MK_LBUTTON, upArrow));
    ASSERT_TRUE(post(arrows, WM_LBUTTONUP, 0, upArrow));
    EXPECT_TRUE(poll([&] { return windowText(box) == L"7"; }));
    ASSERT_TRUE(press(dialog, VK_UP));
    EXPECT_TRUE(poll([&] { return windowText(box) == L"1"; }));
    // A number beyond the panels, confirmed with Enter, lands on the last one.
    ASSERT_TRUE(press(dialog, '9'));
    ASSERT_TRUE(press(dialog, VK_RETURN));
    EXPECT_TRUE(WaitPosition(L"7/7"));
    EXPECT_TRUE(poll([&] {
        return !IsWindow(dialog) && IsWindowEnabled(main) && GetForegroundWindow() == main;
    }));
}

using Dialogs = PenWick;

TEST_F(Dialogs, OptionsShowsItsPagesOnTheRealTabsAndItsNumberBoxesTakeTheirKeys) {
    Launch();
    Command("EditOption");
    HWND options = program.waitForWindow(wide(pw::OptionsFormLayout().caption));
    ASSERT_TRUE(options);
    HWND tabs = child(options, WC_TABCONTROLW), rate = child(options, L"Edit", L"1000"),
         limit = child(options, L"Edit", L"0"),
         quickSave = child(options, L"Button", L"快速保存所有面板");
    ASSERT_TRUE(tabs && rate && limit && quickSave);
    EXPECT_TRUE(IsWindowVisible(quickSave) && !IsWindowVisible(rate));
    send(tabs, TCM_SETCURFOCUS, 1);
    EXPECT_TRUE(poll([&] { return !IsWindowVisible(quickSave) && IsWindowVisible(rate); }));
    // The number boxes refuse letters; only the rate takes Ctrl+V.
    ASSERT_TRUE(setClipboardText(L"77"));
    for (HWND box : {rate, limit}) {
        send(box, EM_SETSEL, 0, -1);
        ASSERT_TRUE(typeText(box, L"a5b\x16"));
    }
    EXPECT_EQ(windowText(rate), L"577");
    EXPECT_EQ(windowText(limit), L"5");
    ASSERT_TRUE(press(options, VK_ESCAPE));
    EXPECT_TRUE(poll([&] { return !IsWindowVisible(options) && GetForegroundWindow() == main; }));
}

}  // namespace
}  // namespace e2e
