#include "MainFixture.h"

namespace pw::testing {
namespace {

class Panels : public MainFixture {
  protected:
    // Enabled state of |< < > >|, and the position, as one text.
    std::string Paging() {
        std::string s;
        for (const char* name : {"cmdFirst", "cmdBack", "cmdNext", "cmdLast"})
            s += control(name).enabled() ? '+' : '-';
        const std::u16string at = position();
        return s + " " + std::string(at.begin(), at.end());
    }
};

// Buttons and menu commands page alike; paging never wraps, the menu commands run where the
// buttons are disabled, and the text box has the focus again after every click.
TEST_F(Panels, PagingFollowsThePositionAndNeverWraps) {
    Start();
    EXPECT_EQ(Paging(), "---- 1/1");
    EXPECT_TRUE(content().hasFocus());
    MakePanels(5);
    const std::pair<const char*, const char*> steps[] = {
        {"cmdFirst", "--++ 1/5"}, {"GoBack", "--++ 1/5"},  {"cmdNext", "++++ 2/5"},
        {"cmdLast", "++-- 5/5"},  {"GoNext", "++-- 5/5"},  {"GoFirst", "--++ 1/5"},
        {"GoLast", "++-- 5/5"},   {"cmdBack", "++++ 4/5"}, {"GoBack", "++++ 3/5"}};
    for (const auto& [name, after] : steps) {
        // A button's name starts with "cmd"; anything else is a menu command.
        std::string_view(name).starts_with("cmd") ? control(name).click() : Command(name);
        EXPECT_EQ(Paging(), after) << "after " << name;
        EXPECT_TRUE(content().hasFocus()) << "after " << name;
    }
    EXPECT_EQ(content().text(), u"3");
}

// A new panel goes to the end, wherever the user is; the hundredth is refused. Deleting asks,
// and a box closed without an answer keeps the panel.
TEST_F(Panels, AddingAppendsAnEmptyPanelUpToNinetyNineAndDeletingAsks) {
    Start();
    MakePanels(98);
    control("cmdFirst").click();
    Command("PanelNew");
    EXPECT_EQ(position(), u"99/99");
    EXPECT_EQ(content().text(), u"");
    EXPECT_EQ(state.Panels.text(1), u"1");
    control("cmdFirst").click();
    Command("PanelNew");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, u"已有99个面板，不能再加了！");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(position(), u"1/99");

    control("cmdNext").click();
    for (MsgResult answer : {MsgResult::Closed, MsgResult::Yes}) {
        ui.answers = {answer};
        Command("PanelDel");
    }
    EXPECT_EQ(ui.shown[1].text, u"您确定要删除第2个面板吗？");
    EXPECT_EQ(ui.shown[1].icon, MsgIcon::Question);
    EXPECT_EQ(ui.shown[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(position(), u"2/98");
    EXPECT_EQ(content().text(), u"3");
}

// Every keystroke reaches the panel and whoever reads it next; the tools convert only the panel
// on show, whole, whatever is selected.
TEST_F(Panels, TypedTextStaysWithItsPanelAndToolsConvertThePanelOnShow) {
    Start();
    content().paste(u"頭髮");
    Command("PanelNew");
    content().type(u"理發與頭髮\r國語ab\bc");
    EXPECT_EQ(state.Panels.text(2), u"理發與頭髮\r\n國語ac");
    control("cmdBack").click();
    EXPECT_EQ(content().text(), u"頭髮");
    control("cmdNext").click();
    content().select(0, 2);
    Command("ToolB2G");
    EXPECT_EQ(content().text(), u"理发与头发\r\n国语ac");
    EXPECT_EQ(state.Panels.text(1), u"頭髮");
    Command("ToolG2B");
    EXPECT_EQ(state.Panels.text(2), u"理髮與頭髮\r\n國語ac");
    Command("EditAll");
    EXPECT_EQ(content().selection().start, 0u);
    EXPECT_EQ(content().selection().length, 11u);
    content().type(u"!");  // over the selection; a save right after sees it
    fileDialog.answers = {u"C:\\p.txt"};
    Command("SaveCurrent");
    EXPECT_EQ(files.files[u"C:\\p.txt"], "!\r\n");
}

// A fetch of the typing that fails leaves the panel marked, so the next read still gets it.
TEST(PanelStore, AFailedFetchOfTheTypingKeepsItsMark) {
    PanelStore store;
    bool fails = true;
    store.setEditor(
        [&] { return std::exchange(fails, false) ? throw std::bad_alloc() : u"typed"; });
    store.markEdited();
    EXPECT_THROW(store.text(1), std::bad_alloc);
    EXPECT_EQ(store.text(1), u"typed");
}

}  // namespace
}  // namespace pw::testing
