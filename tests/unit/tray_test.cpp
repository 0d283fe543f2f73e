#include "MainFixture.h"

namespace pw::testing {
namespace {

using TrayIcon = MainFixture;

constexpr std::intptr_t kClick = 0x0201, kDoubleClick = 0x0203, kRightDown = 0x0204,
                        kRightUp = 0x0205;

TEST_F(TrayIcon, ComesAtStartInTheStateOfWatchingAgainForANewTaskbarAndGoesAtExit) {
    for (const bool getClip : {true, false}) {
        SetSetting(u"GetClip", getClip ? u"True" : u"False");
        notifyIcon.shown = false;
        Start();
        EXPECT_TRUE(notifyIcon.shown);
        EXPECT_EQ(notifyIcon.current.szTip, u"PenWick");
        EXPECT_EQ(notifyIcon.current.hIcon, getClip ? TrayPicture::Program : TrayPicture::Paused);
        EXPECT_EQ(notifyIcon.current.hWnd, &form());
        EXPECT_TRUE(form().hooked());
    }
    notifyIcon.shown = false;  // Explorer went away and took the icon with it
    form().deliver(fake::FakeNotifyIcon::kTaskbarCreated, 0, 0);
    EXPECT_TRUE(notifyIcon.shown);
    Command("TrayQuit");
    EXPECT_FALSE(form().hooked());
    EXPECT_FALSE(notifyIcon.shown);
}

// What the double click and the right button do is shown on a real tray icon end to end.
TEST_F(TrayIcon, OnlyTheIconsDoubleClickAndRightButtonDoAnything) {
    Start();
    Hide();
    form().deliver(kTrayCallbackMessage, kTrayIconId, kClick);
    form().deliver(kTrayCallbackMessage, kTrayIconId, kRightUp);
    form().deliver(kDoubleClick, kTrayIconId, kDoubleClick);  // not the tray's message
    form().deliver(kTrayCallbackMessage, kTrayIconId + 1, kRightDown);
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(form().poppedUp(), "");
    form().deliver(kTrayCallbackMessage, kTrayIconId, kDoubleClick);
    EXPECT_TRUE(form().visible());
    EXPECT_FALSE(form().menu("TrayShow").visible());
    form().deliver(kTrayCallbackMessage, kTrayIconId, kRightDown);
    EXPECT_EQ(form().poppedUp(), "mnuTray");
}

}  // namespace
}  // namespace pw::testing
