#include "MainFixture.h"

namespace pw::testing {
namespace {

class GoToDialog : public MainFixture {
  public:
    // A fresh program with `count` panels opens the dialog from cmdGo on panel `current`.
    void Open(int count, int current) {
        Start();
        MakePanels(count);
        Command("GoFirst");
        for (int i = 1; i < current; ++i) Command("GoNext");
        control("cmdGo").click();
    }
    fake::FakeForm& dialog() { return ui.form("PanelNum"); }
    fake::FakeControl& box() { return dialog().control("txtNum"); }
    fake::FakeControl& upDown() { return dialog().control("UpDown"); }
    bool WholeNumberSelected() {
        return box().selection().start == 0 && box().selection().length == box().text().size();
    }
};

// It opens over the disabled main window on the current panel; the arrows wrap around and
// select the number.
TEST_F(GoToDialog, OpensCentredOnTheCurrentPanelAndTheArrowsWrapAround) {
    Open(7, 3);
    EXPECT_FALSE(form().enabled());
    EXPECT_TRUE(dialog().visible());
    EXPECT_EQ(dialog().bounds(), (RectTw{(15360 - 3750) / 2, (11520 - 1290) / 2, 3750, 1290}));
    EXPECT_EQ(dialog().control("lblTotal").text(), u"（共7个面板）");
    EXPECT_EQ(box().text(), u"3");
    EXPECT_TRUE(box().hasFocus() && WholeNumberSelected());
    const std::tuple<int, int, int, std::u16string_view> cases[] = {
        // panels, on show, step
        {7, 3, +1, u"4"}, {7, 7, +1, u"1"}, {7, 1, -1, u"7"}, {1, 1, +1, u"1"}, {1, 1, -1, u"1"},
    };
    for (const auto& [count, current, delta, shown] : cases) {
        SCOPED_TRACE(count * 100 + current * 10 + delta);
        Open(count, current);
        upDown().spin(delta);
        EXPECT_EQ(box().text(), shown);
        EXPECT_TRUE(WholeNumberSelected());
    }
}

TEST_F(GoToDialog, TheNumberBoxRules) {
    // Panels, keys, the box after them; leaving the box shows the panel that OK goes to.
    const std::tuple<int, std::u16string_view, std::u16string_view, int> cases[] = {
        {7, u"5", u"5", 5},   {7, u"9", u"9", 7},   {7, u"12", u"12", 7},     {7, u"0", u"0", 1},
        {7, u"\b", u"1", 1},  {7, u"\b6", u"6", 6}, {7, u"a-4.x", u"4", 4},   {7, u"45\b", u"4", 4},
        {7, u"05", u"05", 5}, {1, u"9", u"9", 1},   {99, u"120", u"120", 99},
    };
    for (const auto& [count, keys, typed, panel] : cases) {
        SCOPED_TRACE(std::string(keys.begin(), keys.end()));
        Open(count, 1);
        box().type(keys);
        EXPECT_EQ(box().text(), typed);
        dialog().control("Command2").setFocus();
        const std::string shown = std::to_string(panel);
        EXPECT_EQ(box().text(), std::u16string(shown.begin(), shown.end()));
        dialog().control("Command1").click();
        EXPECT_EQ(state.Panels.current(), panel);
    }
}

// Enter does not leave the box; OK still rounds what it holds to a whole panel number.
TEST_F(GoToDialog, EnterRoundsWhatTheBoxHolds) {
    Open(7, 2);
    box().paste(u"6.7 panels");
    dialog().press(u'\r');
    EXPECT_EQ(position(), u"7/7");
}

}  // namespace
}  // namespace pw::testing
