#include "MainFixture.h"

namespace pw::testing {
namespace {

using Startup = MainFixture;
using Shutdown = MainFixture;

TEST_F(Startup, ASecondInstanceEndsBeforeTouchingAnything) {
    lock.otherInstanceRunning = true;
    Main second(state, platform);
    EXPECT_FALSE(second.Form_Initialize());
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(clipboard.reads, 0);
}

// A window partly off the screen stays where it was; the timer refuses a negative rate. A
// clipboard locked at start is not fatal.
TEST_F(Startup, StoredSettingsDriveTheClipTimerItsMenuItemAndThePlacement) {
    const struct {
        std::vector<std::pair<std::u16string_view, std::u16string_view>> stored;
        bool watching;
        int interval;
        double left;
    } cases[] = {
        {{}, true, 1000, 3255},
        {{{u"GetClip", u"false"}, {u"ClipRate", u"250"}, {u"Left", u"-600"}}, false, 250, -600},
        {{{u"ClipRate", u"-5"}}, true, 1000, 3255},
    };
    clipboard.locked = true;
    for (const auto& c : cases) {
        registry = {};
        for (const auto& [name, text] : c.stored) SetSetting(name, text);
        Start();
        EXPECT_TRUE(form().visible());
        EXPECT_EQ(form().menu("TrayClip").checked(), c.watching);
        EXPECT_EQ(form().timer("ClipTimer").enabled(), c.watching);
        EXPECT_EQ(form().timer("ClipTimer").interval(), c.interval);
        EXPECT_FALSE(form().timer("AlertTimer").enabled());
        EXPECT_EQ(form().bounds().left, c.left);
    }
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

// Hiding neither ends the program nor writes anything; the tray brings the window back.
// Adding a panel from the tray meanwhile does not.
TEST_F(Shutdown, EveryWayOfHidingKeepsTheProgramAndItsText) {
    const std::function<void(MainFixture&)> hides[] = {
        [](MainFixture& t) { t.form().closeFromFrame(); },
        [](MainFixture& t) { t.form().setWindowState(WindowState::Minimized); },
        [](MainFixture& t) { t.content().type(u"\x1b"); },
        [](MainFixture& t) { t.control("cmdGo").type(u"\x1b"); },
    };
    Start();
    content().paste(u"still here");
    for (const auto& hide : hides) {
        hide(*this);
        Command("TrayAdd");  // a new panel leaves a hidden window hidden
        EXPECT_FALSE(form().visible());
        EXPECT_EQ(form().windowState(), WindowState::Normal);
        EXPECT_TRUE(form().menu("TrayShow").visible());
        Command("TrayShow");
        EXPECT_TRUE(form().visible() && form().active());
        EXPECT_FALSE(form().menu("TrayShow").visible());
    }
    EXPECT_FALSE(form().destroyed());
    EXPECT_EQ(position(), u"5/5");
    EXPECT_EQ(state.Panels.text(1), u"still here");
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_FALSE(ui.quitRequested);
}

TEST_F(Shutdown, EveryEndWritesTheSettingsWithoutAsking) {
    const std::function<void(MainFixture&)> ends[] = {
        [](MainFixture& t) { t.Command("PanelExit"); },
        [](MainFixture& t) { t.Command("TrayQuit"); },
        [](MainFixture& t) {
            t.Hide();
            t.form().endSession();
        },
    };
    for (const auto& end : ends) {
        registry = {};
        ui.quitRequested = false;
        Start();
        content().paste(u"unsaved");
        end(*this);
        EXPECT_TRUE(form().destroyed());
        EXPECT_TRUE(ui.quitRequested);
        EXPECT_TRUE(ui.shown.empty());
        EXPECT_EQ(Setting(u"Left"), u"3255");
        EXPECT_EQ(registry.text(RegRoot::LocalMachine, kSettingsKey, u"Version"), u"1.10.0031");
    }
}

// The controls follow the client area: a menu bar wrapped onto a second line keeps the buttons
// inside the window.
TEST_F(Startup, AWrappedMenuBarKeepsTheButtonsInside) {
    Start();
    form().frameHeight = 690 + 285;
    form().setBounds({100, 100, 2895, 3100});
    const RectTw last = control("cmdLast").bounds();
    EXPECT_LE(last.top + last.height, form().clientArea().height);
    EXPECT_EQ(content().bounds().height, 3100 - 975 - 840);
}

}  // namespace
}  // namespace pw::testing
