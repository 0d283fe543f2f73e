#include <optional>
#include <tuple>
#include <vector>

#include "MainFixture.h"
#include "find/PanelSearch.h"

namespace pw::testing {
namespace {

constexpr std::size_t kNone = std::u16string_view::npos;
constexpr FindOptions kAnyCase{false, true}, kCase{true, true}, kExact{true, false},
    kOnlyCase{false, false};

// Needle, text, options, where the search starts, the match's position.
TEST(TextSearch, ComparesLatinCaseAndChineseVariantsUnitForUnit) {
    const std::tuple<std::u16string_view, std::u16string_view, FindOptions, std::size_t,
                     std::size_t>
        cases[] = {
            {u"abc", u"xxABCabc", kAnyCase, 0, 2},
            {u"abc", u"xxABCabc", kCase, 0, 5},
            {u"ＡｂＣ", u"abc ａＢｃ", kOnlyCase, 0, 4},  // full-width folds within itself
            {u"Ab", u"ÀB ab", kAnyCase, 0, 3},            // only ASCII and full-width letters
            {u"头发", u"剪了頭髮", kCase, 0, 2},
            {u"頭髮", u"头疼 头发", kAnyCase, 0, 3},
            {u"头发", u"剪了頭髮", kExact, 0, kNone},
            {u"云", u"雲云", kCase, 0, 0},  // one simplified form for two traditional ones
            {u"x\U00020000", u"ab x\U00020000", kAnyCase, 0, 3},
            {u"aa", u"aaa", kExact, 1, 1},
            {u"", u"abc", kAnyCase, 0, kNone},
        };
    int row = 0;
    for (const auto& [needle, text, options, from, expected] : cases) {
        const auto found = TextSearch(needle, options).FindIn(text, from);
        EXPECT_EQ(found.value_or(kNone), expected) << "row " << row++;
    }
}

// Texts of the panels, the panel on show, where the search starts in it, and the match.
TEST(PanelSearch, GoesOnThroughTheFollowingPanelsAndEndsWhereItStarted) {
    using Panels = std::vector<std::u16string>;
    const Panels mixed = {u"ab-AB", u"ab", u"none", u"xx ab"};
    const std::tuple<Panels, int, std::size_t, std::optional<FoundText>> cases[] = {
        {mixed, 2, 0, FoundText{2, 0, 2}},
        {mixed, 2, 2, FoundText{4, 3, 2}},
        {mixed, 4, 5, FoundText{1, 0, 2}},              // wraps from the last to the first
        {{u"ab ab", u"zz"}, 1, 4, FoundText{1, 0, 2}},  // the start panel's head comes last
        {{u"ab"}, 1, 2, FoundText{1, 0, 2}},            // the one match found again
        {{u"a", u"b"}, 2, 99, std::nullopt},
        {{u"xab", u"a"}, 1, 2, FoundText{1, 1, 2}},  // across the start: found last
    };
    for (const auto& [texts, current, from, expected] : cases) {
        PanelStore panels;
        for (int i = 1; i <= static_cast<int>(texts.size()); ++i)
            if (i == 1 || panels.append()) panels.setText(i, texts[i - 1]);
        panels.setCurrent(current);
        EXPECT_EQ(FindNextInPanels(panels, from, TextSearch(u"ab", kAnyCase)), expected)
            << "from " << current << ":" << from;
    }
}

using Find = MainFixture;

// F3 with nothing searched yet opens the dialog; it opens with a one-line selection, else with
// the last search, and stays the one dialog. A miss moves nothing; edits are searched as typed.
TEST_F(Find, TheDialogOpensWithTheSelectionOrTheLastSearchAndAMissMovesNothing) {
    Start();
    content().paste(u"ab\r\nabc");
    content().select(0, 2);
    Command("EditFindNext");
    fake::FakeForm& dialog = ui.form("frmFind");
    fake::FakeControl &box = dialog.control("txtFind"), &next = dialog.control("cmdFindNext");
    EXPECT_TRUE(dialog.visible() && box.hasFocus());
    EXPECT_EQ(box.text(), u"ab");
    EXPECT_EQ(box.selection().length, 2u);
    EXPECT_TRUE(!dialog.control("chkCase").checked() && dialog.control("chkSameForm").checked());
    box.paste(u"");
    EXPECT_FALSE(next.enabled());
    box.paste(u"ABC");
    dialog.press(u'\r');
    EXPECT_EQ(content().selection().start, 4u);
    EXPECT_TRUE(box.hasFocus());
    Command("EditFind");  // the open dialog again, as it was
    EXPECT_EQ(box.text(), u"ABC");

    dialog.control("chkCase").click();
    next.click();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, u"找不到“ABC”");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(content().selection().start, 4u);
    dialog.closeFromFrame();
    EXPECT_TRUE(dialog.destroyed() && form().active());

    content().select(1, 2);  // "b\r": more than one line
    Command("EditFind");
    EXPECT_EQ(ui.form("frmFind").control("txtFind").text(), u"ABC");
    content().type(u"ABC");  // typed: only this "ABC" matches the case
    Command("EditFindNext");
    EXPECT_EQ(content().selection().start + content().selection().length, 4u);
    Command("PanelClose");  // to the tray, and the dialog with the window
    EXPECT_TRUE(ui.form("frmFind").destroyed());
}

}  // namespace
}  // namespace pw::testing
