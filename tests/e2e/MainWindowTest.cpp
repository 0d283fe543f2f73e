// The main window, its panels, start-up and shutdown, driven from outside.
#include <utility>

#include "PenWickFixture.h"

namespace e2e {
namespace {

using MainWindow = PenWick;

TEST_F(MainWindow, TipsFollowThePanelASecondStartEndsAtOnceDeletingAsksFirstAndKeysConvert) {
    Launch();
    const std::pair<HWND, std::wstring_view> tips[] = {{go, L"第1项，共1项"},
                                                       {first, L"第一个"},
                                                       {back, L"上一个"},
                                                       {next, L"下一个"},
                                                       {last, L"最后一个"}};
    for (const auto& [button, tip] : tips)
        EXPECT_EQ(tooltipTextFor(program.pid(), button).value_or(L"<none>"), tip);
    const int tools = tooltipToolCount(program.pid());
    ASSERT_TRUE(typeText(content, L"one"));
    Command("PanelNew");
    ASSERT_TRUE(typeText(content, L"two"));
    Command("PanelNew");
    ASSERT_TRUE(click(back));
    ASSERT_TRUE(WaitPosition(L"2/3"));
    EXPECT_EQ(tooltipTextFor(program.pid(), go).value_or(L"<none>"), L"第2项，共3项");
    // Every refresh updates the one tip of the button rather than adding another.
    EXPECT_EQ(tooltipToolCount(program.pid()), tools);

    Program second;
    ASSERT_TRUE(second.start());
    ASSERT_TRUE(second.waitForExit().has_value()) << "the second instance kept running";
    EXPECT_TRUE(program.running());

    ASSERT_TRUE(click(first));
    ASSERT_TRUE(WaitPosition(L"1/3"));
    for (const int button : {IDNO, IDYES}) {
        ASSERT_TRUE(postCommand(main, MenuCommand("PanelDel")));
        HWND box = program.waitForDialog();
        ASSERT_TRUE(box);
        EXPECT_EQ(messageText(box), L"您确定要删除第1个面板吗？");
        ASSERT_TRUE(answer(box, button));
    }
    EXPECT_TRUE(WaitPosition(L"1/2"));
    EXPECT_TRUE(WaitContent(L"two"));

    // Function keys as the keyboard delivers them, through the queue and the accelerators.
    Command("PanelNew");
    ASSERT_TRUE(typeText(content, L"发展\r国语"));  // Enter gives CR LF
    for (const WPARAM key : {VK_F6, VK_F5}) {
        ASSERT_TRUE(post(content, WM_KEYDOWN, key, 1));
        ASSERT_TRUE(post(content, WM_KEYUP, key, 0xC0000001));
        EXPECT_TRUE(WaitContent(key == VK_F6 ? L"發展\r\n國語" : L"发展\r\n国语"));
    }
}

TEST_F(MainWindow, SettingsGoThroughTheRegistryAndOnlyAnEndWritesThem) {
    StoreSetting(L"ClipRate", L"250.5");
    StoreSetting(L"SoundFile", L"C:\\声音\\叮咚.wav");
    ASSERT_TRUE(regWriteDword(HKEY_CURRENT_USER, L"Limit", 7));  // not a string: reads as absent
    StoreSetting(L"Left", L"900000");
    StoreSetting(L"Top", L"-900000");
    Launch();
    // A window stored far off the screen comes back on it, its size kept.
    const RECT r = windowRect(main);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
                r.bottom <= GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(r.right - r.left, 355);  // 5325 twips at 96 dpi

    // Esc and the close box only hide; the tray icon brings the window back.
    ASSERT_TRUE(typeText(content, L"hidden\x1b"));
    ASSERT_TRUE(poll([&] { return !isVisible(main); }));
    ASSERT_TRUE(Tray(WM_LBUTTONDBLCLK));
    ASSERT_TRUE(poll([&] { return isVisible(main); }));
    EXPECT_EQ(windowText(content), L"hidden");
    Hide();
    EXPECT_FALSE(program.waitForExit(500ms).has_value());
    EXPECT_EQ(Setting(L"Left"), L"900000");

    // A close from another program ends it.
    ASSERT_TRUE(post(main, WM_CLOSE, 0, 0));
    ASSERT_TRUE(program.waitForExit().has_value());
    EXPECT_EQ(Setting(L"ClipRate"), L"250");
    EXPECT_EQ(Setting(L"SoundFile"), L"C:\\声音\\叮咚.wav");
    EXPECT_EQ(Setting(L"Limit"), L"0");
    EXPECT_EQ(Setting(L"Width"), L"5325");
    EXPECT_NE(Setting(L"Left"), L"900000");
    EXPECT_EQ(Setting(L"InitDir"), driverDirectory());
    EXPECT_EQ(regReadString(HKEY_LOCAL_MACHINE, L"Version").value_or(L""), L"1.10.0031");
}

TEST_F(MainWindow, AFiveMegabyteTextIsNeitherCutNorLostAndEndingTheSessionWritesTheSettings) {
    StoreSetting(L"GetClip", L"False");
    Launch();
    std::wstring big;
    for (std::size_t i = 0; big.size() < 5 * 1024 * 1024; ++i)
        big += L"第" + std::to_wstring(i) + L"行 text\r\n";
    ASSERT_TRUE(setClipboardText(big));
    ASSERT_TRUE(send(content, WM_PASTE, 0, 0, 120s).has_value());
    ASSERT_TRUE(sendCommand(main, MenuCommand("PanelNew"), 120s));
    ASSERT_TRUE(sendCommand(main, MenuCommand("GoFirst"), 120s));
    ASSERT_TRUE(WaitPosition(L"1/2"));
    const std::wstring back = CopyContent();
    EXPECT_EQ(back.size(), big.size());
    EXPECT_TRUE(back == big) << "the text came back changed";

    Hide();
    ASSERT_TRUE(send(main, WM_QUERYENDSESSION, 0, 0).has_value());
    ASSERT_TRUE(post(main, WM_ENDSESSION, TRUE, 0));
    EXPECT_TRUE(poll([&] { return Setting(L"Height") == L"4560"; }));
}

}  // namespace
}  // namespace e2e
