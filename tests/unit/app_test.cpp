#include "MainFixture.h"

namespace pw::testing {
namespace {

using Startup = MainFixture;
using Shutdown = MainFixture;
using Resizing = MainFixture;

TEST_F(Startup, ASecondInstanceEndsBeforeTouchingAnything) {
    lock.otherInstanceRunning = true;
    Main second(state, platform);
    EXPECT_FALSE(second.Form_Initialize());
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(clipboard.reads, 0);
}

TEST_F(Startup, FirstStartPlacesTheWindowAtTheDefaults) {
    Start();
    EXPECT_EQ(form().bounds(), (RectTw{3255, 2355, 5325, 4560}));
    EXPECT_TRUE(form().visible());
    EXPECT_TRUE(form().menu("TrayClip").checked());
    EXPECT_TRUE(form().timer("ClipTimer").enabled());
    EXPECT_EQ(form().timer("ClipTimer").interval(), 1000);
    EXPECT_FALSE(form().timer("AlertTimer").enabled());
}

TEST_F(Startup, StoredSettingsDriveTheTimerTheMenuAndThePlacement) {
    SetSetting(u"GetClip", u"false");
    SetSetting(u"ClipRate", u"250");
    SetSetting(u"Left", u"-600");
    SetSetting(u"Width", u"9000");
    Start();
    EXPECT_FALSE(form().menu("TrayClip").checked());
    EXPECT_FALSE(form().timer("ClipTimer").enabled());
    EXPECT_EQ(form().timer("ClipTimer").interval(), 250);
    EXPECT_EQ(form().bounds().left, -600);  // partly visible: kept as stored
    EXPECT_EQ(form().bounds().width, 9000);
}

TEST_F(Startup, ANegativeClipRateLeavesTheTimerAtItsLastInterval) {
    SetSetting(u"ClipRate", u"-5");
    Start();
    EXPECT_EQ(form().timer("ClipTimer").interval(), 1000);
}

TEST_F(Startup, AWindowOffEveryMonitorComesBackOnThePrimaryOneButTheSecondOneKeepsIt) {
    ui.screens = {{0, 0, 15360, 11520}, {15360, 0, 15360, 11520}};
    SetSetting(u"Left", u"20000");
    Start();
    EXPECT_EQ(form().bounds().left, 20000);
    SetSetting(u"Left", u"40000");
    SetSetting(u"Top", u"-30000");
    Start();
    const RectTw b = form().bounds();
    EXPECT_EQ(b.width, 5325);
    EXPECT_TRUE(b.left >= 0 && b.left + b.width <= 15360 && b.top >= 0 &&
                b.top + b.height <= 11520);
}

TEST_F(Startup, ALockedClipboardAtStartIsNotFatal) {
    clipboard.locked = true;
    Start();
    EXPECT_EQ(main->clipMonitor().lastClipText(), u"");
    EXPECT_TRUE(form().visible());
}

TEST_F(Shutdown, TheCloseBoxOnlyHides) {
    Start();
    content().paste(u"still here");
    form().closeFromFrame();
    EXPECT_FALSE(form().destroyed());
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(form().menu("TrayShow").visible());
    EXPECT_TRUE(registry.writes.empty());
    Command("TrayShow");
    EXPECT_TRUE(form().visible());
    EXPECT_TRUE(form().active());
    EXPECT_FALSE(form().menu("TrayShow").visible());
    EXPECT_EQ(content().text(), u"still here");
    EXPECT_FALSE(ui.quitRequested);
}

TEST_F(Shutdown, ExitWritesTheSettingsAndEndsWithoutAsking) {
    Start();
    content().paste(u"unsaved");
    Command("PanelExit");
    EXPECT_TRUE(form().destroyed());
    EXPECT_TRUE(ui.quitRequested);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(Setting(u"Left"), u"3255");
    EXPECT_EQ(registry.text(RegRoot::LocalMachine, kSettingsKey, u"Version"), u"1.10.0031");
}

TEST_F(Shutdown, TrayExitAndEndingTheSessionAlsoWriteTheSettings) {
    Start();
    Command("TrayQuit");
    EXPECT_TRUE(form().destroyed());
    EXPECT_EQ(Setting(u"Width"), u"5325");

    registry = {};
    ui.quitRequested = false;
    Start();
    Hide();
    form().endSession();
    EXPECT_TRUE(form().destroyed());
    EXPECT_TRUE(ui.quitRequested);
    EXPECT_EQ(Setting(u"Top"), u"2355");
}

TEST_F(Resizing, ControlsFollowTheFirstStartSize) {
    Start();
    EXPECT_EQ(content().bounds(), (RectTw{120, 120, 4965, 3030}));
    EXPECT_EQ(control("cmdFirst").bounds().left, 1335);
    EXPECT_EQ(control("cmdBack").bounds().left, 1815);
    EXPECT_EQ(control("cmdGo").bounds().left, 2295);
    EXPECT_EQ(control("cmdNext").bounds().left, 3015);
    EXPECT_EQ(control("cmdLast").bounds().left, 3495);
    EXPECT_EQ(control("cmdGo").bounds().top, 3375);
    EXPECT_EQ(control("cmdGo").bounds().width, 615);
}

TEST_F(Resizing, TheWindowDoesNotShrinkBelowItsMinimum) {
    Start();
    form().setBounds({100, 100, 1000, 1000});
    EXPECT_EQ(form().bounds().width, 2895);
    EXPECT_EQ(form().bounds().height, 3000);
    EXPECT_EQ(content().bounds().width, 2535);
    EXPECT_EQ(content().bounds().height, 1470);
    EXPECT_EQ(control("cmdFirst").bounds().left, 120);

    // A narrow window wraps its menu bar onto a second line: the row stays inside.
    form().frameHeight = 690 + 285;
    form().setBounds({100, 100, 2895, 3100});
    const RectTw last = control("cmdLast").bounds();
    EXPECT_LE(last.top + last.height, form().clientArea().height);
    EXPECT_EQ(content().bounds().height, 3100 - 975 - 840);
}

TEST_F(Resizing, NormalSizesAreRecordedButMaximisedOnesAreNot) {
    Start();
    form().setBounds({600, 700, 8000, 6000});
    form().setWindowState(WindowState::Maximized);
    form().setBounds({0, 0, 15360, 11000});
    EXPECT_EQ(content().bounds().width, 15000);
    Command("PanelExit");
    EXPECT_EQ(Setting(u"Left"), u"600");
    EXPECT_EQ(Setting(u"Width"), u"8000");
    EXPECT_EQ(Setting(u"Height"), u"6000");
}

TEST_F(Resizing, MinimisingSendsTheWindowToTheTrayInTheNormalState) {
    Start();
    form().setWindowState(WindowState::Minimized);
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(form().windowState(), WindowState::Normal);
    EXPECT_TRUE(form().menu("TrayShow").visible());
}

}  // namespace
}  // namespace pw::testing
