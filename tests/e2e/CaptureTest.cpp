// Clipboard capture and the tray, with a real clipboard and a real tray icon.
#include "PenWickFixture.h"

namespace e2e {
namespace {

class Capture : public PenWick {
  protected:
    void SetUp() override {
        PenWick::SetUp();
        StoreSetting(L"ClipRate", L"100");
        StoreSetting(L"PlaySound", L"False");
    }
    // Long enough for several ticks of the 100 ms timer.
    static void SeveralTicks() { Sleep(800); }
};

TEST_F(Capture,
       WhileHiddenALockedOrPrivateClipboardWaitsACopyAppendsTheTrayHasAMenuAndPanelsEndAt99) {
    Launch();
    Hide();
    {
        ClipboardLock lock(L"第一次复制");
        ASSERT_TRUE(lock.held());
        Sleep(3000);  // several seconds of ticks that find it locked
        EXPECT_EQ(windowText(content), L"");
    }
    EXPECT_TRUE(WaitContent(L"第一次复制"));
    EXPECT_EQ(Position(), L"1/1");

    // What a password manager marks private is never captured.
    ASSERT_TRUE(
        setClipboardTextMarked(L"s3cret-1", L"ExcludeClipboardContentFromMonitorProcessing", 0));
    SeveralTicks();
    ASSERT_TRUE(setClipboardTextMarked(L"s3cret-2", L"CanIncludeInClipboardHistory", 0));
    SeveralTicks();
    EXPECT_EQ(Position(), L"1/1");
    // Allowed into the history, the text is an ordinary one.
    ASSERT_TRUE(setClipboardTextMarked(L"not secret", L"CanIncludeInClipboardHistory", 1));
    EXPECT_TRUE(WaitPosition(L"2/2"));
    EXPECT_TRUE(WaitContent(L"not secret"));

    ASSERT_TRUE(Tray(WM_RBUTTONDOWN));
    // The menu window may exist a moment before it shows.
    HWND menu = waitFor([&] {
        for (HWND w : topWindows(program.pid(), L"#32768"))
            if (isVisible(w)) return w;
        return HWND{};
    });
    ASSERT_TRUE(menu) << "no pop-up menu on show";
    // Esc closes it without choosing anything.
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(poll([&] { return !IsWindowVisible(menu); }));
    EXPECT_FALSE(isVisible(main));
    EXPECT_TRUE(program.running());

    // The clipboard timer keeps ticking while the warning's message box waits.
    for (int i = 2; i < 99; ++i) Command("PanelNew");
    ASSERT_TRUE(WaitPosition(L"99/99"));
    ASSERT_TRUE(typeText(content, L"last"));
    ASSERT_TRUE(setClipboardText(L"one too many"));
    HWND box = program.waitForDialog();
    ASSERT_TRUE(box);
    EXPECT_EQ(messageText(box), L"已有99个面板，不能再加了！");
    SeveralTicks();
    int boxes = 0;
    for (HWND w : topWindows(program.pid(), L"#32770")) boxes += isVisible(w);
    EXPECT_EQ(boxes, 1);
    ASSERT_TRUE(answer(box, IDOK));
    SeveralTicks();
    EXPECT_FALSE(program.waitForDialog(300ms)) << "a second warning for the same text";
    EXPECT_EQ(windowText(content), L"last");
}

}  // namespace
}  // namespace e2e
