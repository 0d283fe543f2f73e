// Clipboard capture and the tray, with a real clipboard and a real tray icon.
#include "Harness.h"

namespace e2e {
namespace {

using Capture = PenWick;

TEST_F(Capture, WhileHiddenALockedClipboardWaitsPrivateTextsStayOutAndTheTrayHasAMenu) {
    StoreSetting(L"ClipRate", L"100");
    StoreSetting(L"PlaySound", L"False");
    Launch();
    Hide();
    {
        ClipboardLock lock(L"第一次复制");
        ASSERT_TRUE(lock.held());
        Sleep(3000);  // many ticks of the 100 ms timer that find it locked
        EXPECT_EQ(windowText(content), L"");
    }
    EXPECT_TRUE(WaitContent(L"第一次复制"));

    // What a password manager marks private is never captured; allowed into the history, the
    // text is an ordinary one.
    const struct {
        const wchar_t *text, *format;
        DWORD value;
    } marked[] = {{L"s3cret-1", L"ExcludeClipboardContentFromMonitorProcessing", 0},
                  {L"s3cret-2", L"CanIncludeInClipboardHistory", 0},
                  {L"not secret", L"CanIncludeInClipboardHistory", 1}};
    for (const auto& m : marked) {
        ASSERT_TRUE(ClipboardLock(m.text, m.format, m.value).held());
        Sleep(800);  // several ticks
    }
    EXPECT_TRUE(WaitPosition(L"2/2"));
    EXPECT_TRUE(WaitContent(L"not secret"));

    ASSERT_TRUE(Tray(WM_RBUTTONDOWN));
    // The menu window may exist a moment before it shows.
    HWND menu = waitFor([&] {
        for (HWND w : program.windows(L"#32768"))
            if (IsWindowVisible(w)) return w;
        return HWND{};
    });
    ASSERT_TRUE(menu) << "no pop-up menu on show";
    // Esc closes it without choosing anything.
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(poll([&] { return !IsWindowVisible(menu); }));
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(program.running());
}

}  // namespace
}  // namespace e2e
