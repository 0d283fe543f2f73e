#include "MainFixture.h"

namespace pw::testing {
namespace {

using Startup = MainFixture;
using Shutdown = MainFixture;

// Of three monitors side by side (the primary in the middle, its taskbar at the bottom), a
// window partly off the screen or on another one stays where it was, negative positions
// included; one off them all comes into the nearest one's work area. The timer refuses a
// negative rate. A clipboard locked at start is not fatal.
TEST_F(Startup, StoredSettingsDriveTheClipTimerItsMenuItemAndThePlacement) {
    // Watching, the timer's interval, the window's left and top, and what is stored.
    using Stored = std::vector<std::pair<std::u16string_view, std::u16string_view>>;
    const std::tuple<bool, int, double, double, Stored> cases[] = {
        {true, 1000, 3255, 2355, {}},
        {false, 250, -60, 2355, {{u"GetClip", u"false"}, {u"ClipRate", u"250"}, {u"Left", u"-60"}}},
        {true, 1000, 20000, 2355, {{u"ClipRate", u"-5"}, {u"Left", u"20000"}}},
        {true, 1000, 30720 - 5325, 0, {{u"Left", u"40000"}, {u"Top", u"-30000"}}},
        {true, 1000, -15360, 11520 - 4560, {{u"Left", u"-20000"}, {u"Top", u"20000"}}},
        {true, 1000, 3000, 10920 - 4560, {{u"Left", u"3000"}, {u"Top", u"30000"}}},
    };
    ui.screens = {{0, 0, 15360, 11520}, {15360, 0, 15360, 11520}, {-15360, 0, 15360, 11520}};
    ui.work = {{0, 0, 15360, 10920}, {15360, 0, 15360, 11520}, {-15360, 0, 15360, 11520}};
    clipboard.locked = true;
    for (const auto& [watching, interval, left, top, stored] : cases) {
        registry = {};
        for (const auto& [name, text] : stored) SetSetting(name, text);
        Start();
        EXPECT_TRUE(form().visible() && !form().timer("AlertTimer").enabled());
        EXPECT_EQ(form().menu("TrayClip").checked(), watching);
        const Timer& clip = form().timer("ClipTimer");
        EXPECT_EQ(std::pair(clip.enabled(), clip.interval()), std::pair(watching, interval));
        EXPECT_EQ(std::pair(form().bounds().left, form().bounds().top), std::pair(left, top));
    }
}

// A control is handed out only as the kind its layout gives.
TEST_F(Startup, AControlAskedForAsAnotherKindIsRefused) {
    Start();
    EXPECT_EQ(&form().textBox("Content"), static_cast<TextBox*>(&content()));
    EXPECT_THROW(form().button("Content"), std::logic_error);
    EXPECT_THROW(form().textBox("cmdNext"), std::logic_error);
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
        EXPECT_TRUE(!form().visible() && form().menu("TrayShow").visible());
        EXPECT_EQ(form().windowState(), WindowState::Normal);
        Command("TrayShow");
        EXPECT_TRUE(form().visible() && form().active());
        EXPECT_FALSE(form().menu("TrayShow").visible());
    }
    EXPECT_TRUE(!form().destroyed() && !ui.quitRequested && registry.writes.empty());
    EXPECT_EQ(position(), u"5/5");
    EXPECT_EQ(state.Panels.text(1), u"still here");
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
        EXPECT_TRUE(form().destroyed() && ui.quitRequested && ui.shown.empty());
        EXPECT_EQ(Setting(u"Left"), u"3255");
        EXPECT_EQ(registry.text(RegRoot::LocalMachine, kSettingsKey, u"Version"), u"1.10.0031");
    }
}

}  // namespace
}  // namespace pw::testing
