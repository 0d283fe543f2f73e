#include "MainFixture.h"

namespace pw::testing {
namespace {

using TrayIcon = MainFixture;

constexpr std::uintptr_t kIcon = 61860;
constexpr std::uint32_t kCallback = 1066;

TEST_F(TrayIcon, StartAddsTheIconWithItsRecordThenHooks) {
    Start();
    ASSERT_FALSE(notifyIcon.calls.empty());
    const auto& add = notifyIcon.calls.front();
    EXPECT_EQ(add.action, NotifyAction::Add);
    EXPECT_EQ(add.data.uID, 61860u);
    EXPECT_EQ(add.data.uCallbackMessage, 1066u);
    EXPECT_EQ(add.data.uFlags, 7u);
    EXPECT_EQ(add.data.szTip, u"PenWick");
    EXPECT_EQ(add.data.hIcon, TrayPicture::Program);
    EXPECT_EQ(add.data.hWnd, &form());
    EXPECT_TRUE(form().hooked());
}

TEST_F(TrayIcon, WithWatchingOffItStartsPaused) {
    registry.setString(RegRoot::CurrentUser, kSettingsKey, u"GetClip", u"FALSE");
    Start();
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Paused);
}

TEST_F(TrayIcon, DoubleClickShowsTheWindowAndRightButtonPopsUpTheMenu) {
    Start();
    main->HideMainWindow();
    form().deliver(kCallback, kIcon, 0x0201);  // a single click does nothing
    form().deliver(kCallback, kIcon, 0x0205);  // nor does the right button's release
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(form().poppedUp(), "");
    form().deliver(kCallback, kIcon, 0x0203);
    EXPECT_TRUE(form().visible());
    EXPECT_FALSE(form().menu("TrayShow").visible());
    form().deliver(kCallback, kIcon, 0x0203);
    EXPECT_TRUE(form().visible());
    form().deliver(kCallback, kIcon, 0x0204);
    EXPECT_EQ(form().poppedUp(), "mnuTray");
}

TEST_F(TrayIcon, OtherMessagesAreLeftAlone) {
    Start();
    main->HideMainWindow();
    form().deliver(0x0203, 1, 0x0203);
    form().deliver(kCallback, 61861, 0x0204);
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(form().poppedUp(), "");
}

TEST_F(TrayIcon, ANewTaskbarGetsTheIconBack) {
    Start();
    const auto before = notifyIcon.calls.size();
    notifyIcon.shown = false;  // Explorer went away and took the icon with it
    form().deliver(fake::FakeNotifyIcon::kTaskbarCreated, 0, 0);
    ASSERT_EQ(notifyIcon.calls.size(), before + 1);
    EXPECT_EQ(notifyIcon.calls.back().action, NotifyAction::Add);
    EXPECT_TRUE(notifyIcon.shown);
}

TEST_F(TrayIcon, ExitUnhooksAndRemovesTheIconAfterSaving) {
    Start();
    form().menu("TrayQuit").click();
    EXPECT_FALSE(form().hooked());
    EXPECT_EQ(notifyIcon.calls.back().action, NotifyAction::Delete);
    EXPECT_FALSE(notifyIcon.shown);
    EXPECT_EQ(Setting(u"GetClip"), u"True");
}

TEST_F(TrayIcon, TrayAddAppendsWithoutShowingTheWindow) {
    Start();
    main->HideMainWindow();
    form().menu("TrayAdd").click();
    EXPECT_EQ(position(), u"2/2");
    EXPECT_FALSE(form().visible());
}

}  // namespace
}  // namespace pw::testing
