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
    struct Case {
        int count, current, delta;
        std::u16string shown;
    };
    const Case cases[] = {
        {7, 3, +1, u"4"}, {7, 7, +1, u"1"}, {7, 1, -1, u"7"}, {1, 1, +1, u"1"}, {1, 1, -1, u"1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count * 100 + c.current * 10 + c.delta);
        Open(c.count, c.current);
        upDown().spin(c.delta);
        EXPECT_EQ(box().text(), c.shown);
        EXPECT_TRUE(WholeNumberSelected());
    }
}

TEST_F(GoToDialog, TheNumberBoxRules) {
    struct Case {
        int count;
        std::u16string keys, typed, left;  // the box after typing and after leaving it
        int panel;                         // where OK goes
    };
    const Case cases[] = {
        {7, u"5", u"5", u"5", 5},     {7, u"9", u"9", u"7", 7},        {7, u"12", u"12", u"7", 7},
        {7, u"0", u"0", u"1", 1},     {7, u"\b", u"1", u"1", 1},       {7, u"\b6", u"6", u"6", 6},
        {7, u"a-4.x", u"4", u"4", 4}, {7, u"45\b", u"4", u"4", 4},     {7, u"05", u"05", u"5", 5},
        {1, u"9", u"9", u"1", 1},     {99, u"120", u"120", u"99", 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.keys.begin(), c.keys.end()));
        Open(c.count, 1);
        box().type(c.keys);
        EXPECT_EQ(box().text(), c.typed);
        dialog().control("Command2").setFocus();
        EXPECT_EQ(box().text(), c.left);
        dialog().control("Command1").click();
        EXPECT_EQ(state.Panels.current(), c.panel);
    }
}

// Enter does not leave the box; pasted text still leads to a whole panel number.
TEST_F(GoToDialog, EnterBringsTypedOrPastedTextIntoRange) {
    for (auto keys : {u"80", u"6.7 panels"}) {
        Open(7, 2);
        box().paste(keys);
        dialog().press(u'\r');
        EXPECT_EQ(position(), u"7/7");
        EXPECT_EQ(content().text(), u"7");
    }
}

// Exiting while the dialog is open closes it too, leaving nothing disabled.
TEST_F(GoToDialog, EveryWayOfClosingGivesTheMainWindowBack) {
    struct Case {
        const char* how;
        std::function<void(GoToDialog&)> close;
        std::u16string position;
    };
    const Case cases[] = {
        {"OK", [](GoToDialog& t) { t.dialog().control("Command1").click(); }, u"5/7"},
        {"Cancel", [](GoToDialog& t) { t.dialog().control("Command2").click(); }, u"3/7"},
        {"Esc", [](GoToDialog& t) { t.dialog().press(27); }, u"3/7"},
        {"Enter on Cancel", [](GoToDialog& t) { t.dialog().press(u'\r'); }, u"3/7"},
        {"title bar", [](GoToDialog& t) { t.dialog().closeFromFrame(); }, u"3/7"},
        {"session end", [](GoToDialog& t) { t.dialog().endSession(); }, u"3/7"},
        {"exit", [](GoToDialog& t) { t.Command("TrayQuit"); }, u"3/7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Open(7, 3);
        box().type(u"5");
        dialog().control("Command2").setFocus();  // where Enter clicks Cancel
        c.close(*this);
        EXPECT_TRUE(dialog().destroyed());
        EXPECT_EQ(position(), c.position);
        EXPECT_TRUE(form().enabled());
        EXPECT_EQ(form().destroyed(), c.how == std::string_view("exit"));
        EXPECT_TRUE(form().active());
    }
}

}  // namespace
}  // namespace pw::testing
