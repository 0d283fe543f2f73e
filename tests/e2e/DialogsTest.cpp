// The program's own dialogs and boxes on real controls, driven by the keyboard, what the shell
// is handed, and the single-instance lock.
#include "Harness.h"
#include "app/OptionsLayout.h"
#include "app/PanelNumLayout.h"
#include "settings/RunEntry.h"

namespace e2e {
namespace {

using Dialogs = PenWick;

TEST_F(Dialogs, HelpAboutGoToAndOptionsWorkOnRealWindowsAndASecondStartEndsAtOnce) {
    // .chm and .txt open with PWRecord.exe, as a user's help viewer and editor would.
    const std::wstring folder = driverDirectory(), record = folder + L"\\shell-record.txt";
    for (const wchar_t* key : {L".chm", L".txt", L"PenWick.Test\\shell\\open\\command"}) {
        const std::wstring value =
            key[0] == L'.' ? L"PenWick.Test" : L"\"" + folder + L"\\PWRecord.exe\" \"%1\"";
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    // This copy lies outside Program Files; an earlier version started it for everyone.
    const wchar_t* runKey = wide(pw::kRunKey).data();
    const std::wstring exe = folder + L"\\PWick.exe";
    const std::string entry = utf16Bytes({exe.c_str(), exe.size() + 1});
    ASSERT_FALSE(RegSetKeyValueW(HKEY_LOCAL_MACHINE, runKey, L"PenWick", REG_SZ, entry.data(),
                                 static_cast<DWORD>(entry.size())));
    Launch(L"C:\\");  // the files still come from the program's folder
    for (const auto& [item, file] :
         {std::pair{"HelpContent", L"PWick.chm"}, std::pair{"HelpReadMe", L"readme.txt"}}) {
        DeleteFileW(record.c_str());
        Command(item);
        // File, working folder and show command, as the started program got them.
        const std::string expected = utf16Bytes(L"\"" + folder + L"\\" + file + L"\"\n" + folder +
                                                L"\n" + std::to_wstring(SW_SHOWMAXIMIZED) + L"\n");
        EXPECT_TRUE(poll([&] { return ReadBytes(record) == expected; })) << file;
    }

    const std::function<void(HWND)> closers[] = {
        [](HWND about) { post(child(about, L"Button", L"确定"), BM_CLICK); },
        [](HWND about) { press(about, VK_RETURN); },
        [](HWND about) { press(about, VK_ESCAPE); },
        [](HWND about) { post(about, WM_SYSCOMMAND, SC_CLOSE); },
    };
    for (const auto& close : closers) {
        Command("HelpAbout");
        HWND about = program->waitForWindow(L"关于PenWick");
        EXPECT_TRUE(child(about, L"Static", L"版本：1.10，第31次编译"));
        ASSERT_TRUE(poll([&] { return GetForegroundWindow() == about; }));
        close(about);
        const auto closer = &close - closers;
        EXPECT_TRUE(poll([&] { return !IsWindow(about); })) << "closer " << closer;
        EXPECT_TRUE(poll([&] { return GetForegroundWindow() == main; })) << "closer " << closer;
    }

    for (int i = 1; i < 7; ++i) Command("PanelNew");
    Command("GoBack");
    ASSERT_TRUE(press(main, 'E', true));  // an accelerator with Ctrl
    HWND dialog = program->waitForWindow(wide(pw::PanelNumFormLayout().caption));
    ASSERT_TRUE(dialog);
    HWND box = child(dialog, L"Edit"), arrows = child(dialog, UPDOWN_CLASSW);
    ASSERT_TRUE(box && arrows);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
    // The up arrow key into the focused box steps the real up-down, which wraps around after the
    // last number; typing replaces the number, which each step selects.
    for (const wchar_t* shown : {L"7", L"1"}) {
        ASSERT_TRUE(press(dialog, VK_UP));
        EXPECT_TRUE(poll([&] { return windowText(box) == shown; }));
    }
    // A number beyond the panels, confirmed with Enter, lands on the last one.
    ASSERT_TRUE(press(dialog, '9'));
    ASSERT_TRUE(press(dialog, VK_RETURN));
    EXPECT_TRUE(WaitPosition(L"7/7"));
    EXPECT_TRUE(poll([&] {
        return !IsWindow(dialog) && IsWindowEnabled(main) && GetForegroundWindow() == main;
    }));

    // A second start, from another folder, ends at once.
    ASSERT_TRUE(Program(folder).waitForExit()) << "the second instance kept running";

    Command("EditOption");
    dialog = program->waitForWindow(wide(pw::OptionsFormLayout().caption));
    ASSERT_TRUE(dialog);
    HWND tabs = child(dialog, WC_TABCONTROLW), rate = child(dialog, L"Edit", L"1000"),
         quickSave = child(dialog, L"Button", L"快速保存所有面板");
    ASSERT_TRUE(tabs && rate && quickSave);
    EXPECT_TRUE(IsWindowVisible(quickSave) && !IsWindowVisible(rate));
    send(tabs, TCM_SETCURFOCUS, 1);
    EXPECT_TRUE(poll([&] { return !IsWindowVisible(quickSave) && IsWindowVisible(rate); }));
    // The number box refuses letters typed into the real edit.
    send(rate, EM_SETSEL, 0, -1);
    for (const wchar_t key : std::wstring_view(L"a5b")) send(rate, WM_CHAR, key, 1);
    EXPECT_EQ(windowText(rate), L"5");
    // The box shows the machine-wide entry; OK moves it to this user.
    EXPECT_EQ(send(child(dialog, L"Button", L"开机时自动运行"), BM_GETCHECK), BST_CHECKED);
    ASSERT_TRUE(press(dialog, VK_RETURN));
    EXPECT_TRUE(poll([&] { return !IsWindowVisible(dialog) && GetForegroundWindow() == main; }));
    EXPECT_EQ(Setting(L"PenWick", HKEY_CURRENT_USER, runKey), exe);
    EXPECT_EQ(Setting(L"PenWick", HKEY_LOCAL_MACHINE, runKey), L"<missing>");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, runKey, L"PenWick");
}

// Keys and the focus as in every Windows dialog; what the dialogs draw on opening.
TEST_F(Dialogs, TheKeyboardAndTheFocusBehaveAsInWindowsAndTheFirstPageIsDrawn) {
    Launch();
    // The main window is active with the focus on this control; where they are otherwise.
    const auto focusBackIn = [&](HWND control) -> ::testing::AssertionResult {
        if (poll([&] { return focusAndActive(main) == std::pair{control, main}; }))
            return ::testing::AssertionSuccess();
        const auto [focus, active] = focusAndActive(main);
        return ::testing::AssertionFailure() << "focus " << focus << ", active " << active
                                             << ", main " << main << ", expected " << control;
    };
    // Going to another panel with the dialog's OK button gives the main window its keys back.
    Command("PanelNew");
    Command("PanelNew");
    ASSERT_TRUE(post(go, BM_CLICK));
    HWND dialog = program->waitForWindow(wide(pw::PanelNumFormLayout().caption));
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(poll([&] { return focusAndActive(main).first == child(dialog, L"Edit"); }));
    // A screen reader names the number box by its label.
    CoInitialize(nullptr);
    EXPECT_EQ(AccessibleName(child(dialog, L"Edit")),
              wide(pw::PanelNumFormLayout().controls[0].caption));
    CoUninitialize();
    send(child(dialog, L"Edit"), WM_CHAR, L'1');
    ASSERT_TRUE(post(child(dialog, L"Button", L"确定"), BM_CLICK));
    EXPECT_TRUE(WaitPosition(L"1/3"));
    EXPECT_TRUE(focusBackIn(go)) << "after the go-to dialog's OK";  // clicked, it had the focus
    ASSERT_TRUE(press(main, VK_TAB, false, true));
    ASSERT_TRUE(focusBackIn(content));

    // A message box and another program's window give the focus back where it was.
    ASSERT_TRUE(PostCommand("PanelDel"));
    HWND box = WaitForBox();
    ASSERT_TRUE(box && answer(box, IDNO));
    EXPECT_TRUE(focusBackIn(content)) << "after a message box";
    HWND other = CreateWindowExW(0, L"Static", L"help", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(other);
    SetForegroundWindow(other);
    ASSERT_TRUE(poll([&] { return GetForegroundWindow() == other; }));
    DestroyWindow(other);
    // The user comes back to it. Under Wine the first try from another process sometimes makes
    // it the foreground window without activating it in its own thread; a user clicks again.
    EXPECT_TRUE(poll([&] {
        SetForegroundWindow(main);
        return focusAndActive(main) == std::pair{content, main};
    })) << "after another window closed";

    // F6 converts the panel, and Ctrl+Z in the box takes the conversion back.
    send(content, WM_CHAR, L'汉');
    ASSERT_TRUE(press(main, VK_F6));
    EXPECT_TRUE(WaitContent(L"漢"));
    ASSERT_TRUE(press(main, 'Z', true));
    EXPECT_TRUE(WaitContent(L"汉"));

    // The first page's group boxes are on the screen as soon as the dialog opens.
    Command("EditOption");
    dialog = program->waitForWindow(wide(pw::OptionsFormLayout().caption));
    ASSERT_TRUE(dialog);
    for (const wchar_t* caption : {L"保存方式", L"系统"}) {
        const RECT r = windowRect(child(dialog, L"Button", caption));
        HDC screen = GetDC(nullptr);
        // Down the frame's left edge, below its caption: the etched line stands out from the
        // page just inside it.
        const bool drawn = poll([&] {
            int lined = 0;
            for (int y = (r.top + r.bottom) / 2 - 3; y < (r.top + r.bottom) / 2 + 3; ++y) {
                const COLORREF inside = GetPixel(screen, r.left + 6, y);
                lined += GetPixel(screen, r.left, y) != inside ||
                         GetPixel(screen, r.left + 1, y) != inside;
            }
            return lined == 6;
        });
        ReleaseDC(nullptr, screen);
        EXPECT_TRUE(drawn) << "a group box is not drawn";
    }
    // The page looks like the inside of its tab: in a corner of its own and behind a check box,
    // the screen shows the tab's body as the visual style draws it, or without a style the
    // dialog colour.
    {
        HWND page = child(dialog, L"PenWickPage"), box = child(dialog, L"Button", L"追加保存");
        ASSERT_TRUE(page && box);
        const RECT p = windowRect(page), b = windowRect(box);
        HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
        HBITMAP body = CreateCompatibleBitmap(screen, p.right - p.left, p.bottom - p.top);
        HGDIOBJ old = SelectObject(memory, body);
        const RECT all{0, 0, p.right - p.left, p.bottom - p.top};
        HTHEME theme = IsAppThemed() ? OpenThemeData(page, L"TAB") : nullptr;
        if (!theme || FAILED(DrawThemeBackground(theme, memory, TABP_BODY, 0, &all, nullptr)))
            FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
        if (theme) CloseThemeData(theme);
        for (const POINT at : {POINT{p.right - 3, p.bottom - 3}, POINT{b.right - 2, b.top + 1}})
            EXPECT_EQ(GetPixel(screen, at.x, at.y), GetPixel(memory, at.x - p.left, at.y - p.top))
                << at.x << "," << at.y;
        SelectObject(memory, old);
        DeleteObject(body);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    // Ctrl+Tab and Ctrl+PageDown go to the next page, with Shift or PageUp to the previous one,
    // from wherever the focus is in the dialog.
    HWND quickSave = child(dialog, L"Button", L"快速保存所有面板");
    ASSERT_TRUE(quickSave);
    const std::tuple<WORD, bool, bool> keys[] = {{VK_TAB, false, false},
                                                 {VK_TAB, true, true},
                                                 {VK_NEXT, false, false},
                                                 {VK_PRIOR, false, true}};
    for (const auto& [key, shift, firstPage] : keys) {
        ASSERT_TRUE(press(dialog, key, true, shift));
        EXPECT_TRUE(poll([&] { return (IsWindowVisible(quickSave) != FALSE) == firstPage; }))
            << "key " << key << (shift ? " with Shift" : "");
    }
    // The dialog's buttons are one group: Tab reaches OK, the right arrow the next button.
    ASSERT_TRUE(
        poll([&] { return focusAndActive(dialog).first == child(dialog, WC_TABCONTROLW); }));
    ASSERT_TRUE(press(dialog, VK_TAB));
    ASSERT_TRUE(
        poll([&] { return focusAndActive(dialog).first == child(dialog, L"Button", L"确定"); }));
    ASSERT_TRUE(press(dialog, VK_RIGHT));
    EXPECT_TRUE(
        poll([&] { return focusAndActive(dialog).first == child(dialog, L"Button", L"取消"); }));
    // Alt+F4 is the close box: Cancel, and the main window has its focus again.
    SetForegroundWindow(dialog);
    ASSERT_TRUE(poll([&] { return GetForegroundWindow() == dialog; }));
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event(VK_F4, 0, 0, 0);
    keybd_event(VK_F4, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(poll([&] { return !IsWindowVisible(dialog); }));
    EXPECT_TRUE(focusBackIn(content)) << "after Options";
}

}  // namespace
}  // namespace e2e
