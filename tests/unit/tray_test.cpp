#include "MainFixture.h"

namespace pw::testing {
namespace {

using TrayIcon = MainFixture;

TEST_F(TrayIcon, ComesAtStartInTheStateOfWatchingAgainForANewTaskbarAndGoesAtExit) {
    for (const bool getClip : {true, false}) {
        SetSetting(u"GetClip", getClip ? u"True" : u"False");
        notifyIcon.shown = false;
        Start();
        EXPECT_TRUE(notifyIcon.shown && form().hooked());
        EXPECT_EQ(notifyIcon.current.szTip, u"PenWick");
        EXPECT_EQ(notifyIcon.current.hIcon, getClip ? TrayPicture::Program : TrayPicture::Paused);
        EXPECT_EQ(notifyIcon.current.hWnd, &form());
    }
    notifyIcon.shown = false;  // Explorer went away and took the icon with it
    form().deliver(fake::FakeNotifyIcon::kTaskbarCreated, 0, 0);
    EXPECT_TRUE(notifyIcon.shown);
    Command("TrayQuit");
    EXPECT_FALSE(form().hooked() || notifyIcon.shown);
}

}  // namespace
}  // namespace pw::testing
