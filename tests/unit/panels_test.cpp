#include "MainFixture.h"

namespace pw::testing {
namespace {

using Panels = MainFixture;

void ExpectPagingButtons(MainFixture& t, bool backward, bool forward) {
    EXPECT_EQ(t.form().control("cmdFirst").enabled(), backward);
    EXPECT_EQ(t.form().control("cmdBack").enabled(), backward);
    EXPECT_EQ(t.form().control("cmdNext").enabled(), forward);
    EXPECT_EQ(t.form().control("cmdLast").enabled(), forward);
}

TEST_F(Panels, StartShowsOneEmptyPanelWithItsToolTip) {
    Start();
    EXPECT_EQ(position(), u"1/1");
    EXPECT_EQ(control("cmdGo").toolTip(), u"第1项，共1项");
    EXPECT_EQ(content().text(), u"");
    ExpectPagingButtons(*this, false, false);
    EXPECT_TRUE(content().hasFocus());
}

TEST_F(Panels, PagingButtonsFollowThePosition) {
    Start();
    MakePanels(5);
    ExpectPagingButtons(*this, true, false);
    Command("GoFirst");
    EXPECT_EQ(position(), u"1/5");
    ExpectPagingButtons(*this, false, true);
    Command("GoNext");
    Command("GoNext");
    EXPECT_EQ(control("cmdGo").toolTip(), u"第3项，共5项");
    ExpectPagingButtons(*this, true, true);
}

TEST_F(Panels, PagingNeverWrapsAndMenuCommandsRunWhereButtonsAreDisabled) {
    Start();
    MakePanels(4);
    Command("GoFirst");
    Command("GoNext");
    form().menu("GoBack").click();
    EXPECT_EQ(position(), u"1/4");
    form().menu("GoBack").click();
    EXPECT_EQ(position(), u"1/4");
    form().menu("GoLast").click();
    EXPECT_EQ(position(), u"4/4");
    form().menu("GoNext").click();
    EXPECT_EQ(position(), u"4/4");
    EXPECT_EQ(content().text(), u"4");
    form().menu("GoFirst").click();
    EXPECT_EQ(content().text(), u"1");
}

TEST_F(Panels, AddingAppendsAnEmptyPanelAtTheEnd) {
    Start();
    MakePanels(4);
    Command("GoFirst");
    Command("GoNext");
    form().menu("PanelNew").click();
    EXPECT_EQ(position(), u"5/5");
    EXPECT_EQ(content().text(), u"");
    EXPECT_EQ(state.Panels.text(2), u"2");
    form().menu("TrayAdd").click();
    EXPECT_EQ(position(), u"6/6");
}

TEST_F(Panels, TheHundredthPanelIsRefused) {
    Start();
    MakePanels(99);
    Command("GoFirst");
    Command("PanelNew");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, u"已有99个面板，不能再加了！");
    EXPECT_EQ(ui.shown[0].title, u"PenWick");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(position(), u"1/99");
    EXPECT_EQ(state.Panels.count(), 99);
}

TEST_F(Panels, DeletingAsksAndRemovesOnlyOnYes) {
    Start();
    MakePanels(5);
    Command("GoFirst");
    Command("GoNext");
    Command("GoNext");
    ui.answers = {MsgResult::No};
    Command("PanelDel");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, u"您确定要删除第3个面板吗？");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(position(), u"3/5");

    ui.answers = {MsgResult::Yes};
    form().menu("PanelDel").click();
    EXPECT_EQ(position(), u"3/4");
    EXPECT_EQ(content().text(), u"4");

    ui.answers = {MsgResult::Closed};
    Command("PanelDel");
    EXPECT_EQ(position(), u"3/4");
}

TEST_F(Panels, RemovingTheLastOrTheOnlyPanel) {
    Start();
    MakePanels(5);
    main->RemovePanel(5);
    EXPECT_EQ(position(), u"4/4");
    EXPECT_EQ(content().text(), u"4");

    main->ClearPanels();
    content().type(u"solo");
    main->RemovePanel(1);
    EXPECT_EQ(position(), u"1/1");
    EXPECT_EQ(content().text(), u"");
    EXPECT_EQ(state.Panels.text(1), u"");
}

TEST_F(Panels, RemovingAnEarlierPanelKeepsTheCurrentNumber) {
    Start();
    MakePanels(5);
    Command("GoBack");  // 4 of 5
    main->RemovePanel(2);
    EXPECT_EQ(position(), u"4/4");
    EXPECT_EQ(content().text(), u"5");
}

TEST_F(Panels, ClearingLeavesOneEmptyPanelThatTakesTyping) {
    Start();
    MakePanels(8);
    Command("GoFirst");
    for (int i = 0; i < 5; ++i) Command("GoNext");
    main->ClearPanels();
    EXPECT_EQ(position(), u"1/1");
    content().type(u"x");
    EXPECT_EQ(state.Panels.count(), 1);
    EXPECT_EQ(state.Panels.text(1), u"x");
}

TEST_F(Panels, EveryKeystrokeReachesThePanelAndSurvivesPaging) {
    Start();
    MakePanels(2);
    content().type(u"ab\bc");
    EXPECT_EQ(state.Panels.text(2), u"2ac");
    Command("GoBack");
    EXPECT_EQ(content().text(), u"1");
    Command("GoNext");
    EXPECT_EQ(content().text(), u"2ac");
}

TEST_F(Panels, LargeAndUnusualTextsAreKeptExactly) {
    Start();
    std::u16string big(5 * 1024 * 1024, u'字');
    big[100] = 0xD800;  // a lone surrogate must survive as it is
    big += u"\r\nend";
    content().paste(big);
    Command("PanelNew");
    Command("GoFirst");
    EXPECT_EQ(content().text().size(), big.size());
    EXPECT_TRUE(state.Panels.text(1) == big);
}

TEST_F(Panels, SelectAllSelectsTheWholeText) {
    Start();
    content().paste(u"第一行\r\n第二行");
    form().menu("EditAll").click();
    EXPECT_EQ(content().selection().start, 0u);
    EXPECT_EQ(content().selection().length, 8u);
}

TEST_F(Panels, RefreshWhileHiddenLeavesTheFocusAlone) {
    Start();
    Hide();
    Command("PanelNew");
    EXPECT_EQ(position(), u"2/2");
    EXPECT_FALSE(form().visible());
}

TEST_F(Panels, EscapeFromTheTextOrAButtonHidesTheWindow) {
    Start();
    content().paste(u"keep");
    content().type(u"\x1b");
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(form().menu("TrayShow").visible());
    EXPECT_EQ(state.Panels.text(1), u"keep");

    Command("TrayShow");
    control("cmdGo").type(u"\x1b");
    EXPECT_FALSE(form().visible());
}

}  // namespace
}  // namespace pw::testing
