#include <cmath>

#include "MainFixture.h"
#include "help/frmAbout.h"

namespace pw::testing {
namespace {

TEST(ProgramFilePath, PutsOneBackslashBetweenAlsoAtADriveRoot) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"C:\\PenWick", u"C:\\PenWick\\PWick.chm"},
        {u"C:\\", u"C:\\PWick.chm"},
        {u"\\\\host\\共享", u"\\\\host\\共享\\PWick.chm"},
    };
    for (const auto& [folder, path] : cases) EXPECT_EQ(ProgramFilePath(folder, u"PWick.chm"), path);
}

TEST(VersionLabel, ShowsTheMinorNumberInTwoDigitsAndTheBuild) {
    EXPECT_EQ(VersionLabel({2, 5, 7}), u"版本：2.05，第7次编译");
}

class Help : public MainFixture {
  protected:
    void SetUp() override { Start(); }
    fake::FakeForm& about() { return ui.form("frmAbout"); }
};

// The help file and the read-me, with the program's folder, are the end-to-end tests'.
TEST_F(Help, TheWebAndMailCommandsAndLinksOpenWithTheirWindowAsOwnerAndAboutOpensOnce) {
    Command("HelpWeb");
    Command("HelpMail");
    Command("TrayAbout");
    fake::FakeForm& first = about();
    const RectTw r = first.bounds();
    EXPECT_EQ(r.left, std::trunc((1024 * 15 - r.width) / 2));
    EXPECT_EQ(r.top, std::trunc((768 * 15 - r.height) / 2));
    EXPECT_TRUE(first.visible());
    about().control("lblHttp").click();
    about().control("lblMail").click();
    const std::u16string web(kHomePage), mail = u"mailto:" + std::u16string(kMailAddress);
    const std::u16string folder = u"C:\\PenWick";
    EXPECT_EQ(shell.calls, (decltype(shell.calls){{&form(), web, folder},
                                                  {&form(), mail, folder},
                                                  {&about(), web, folder},
                                                  {&about(), mail, folder}}));
    // A second command leaves it where it is.
    first.setBounds({15, 30, r.width, r.height});
    Command("HelpAbout");
    EXPECT_EQ(&about(), &first);
    EXPECT_EQ(first.bounds(), (RectTw{15, 30, r.width, r.height}));
}

TEST_F(Help, OnlyTheLinkUnderThePointerIsBlueAndUnderlined) {
    // Where the pointer is (empty: the dialog's background) and which link is lit.
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"lblMail", "lblMail"}, {"lblHttp", "lblHttp"}, {"picIcon", ""}, {"lblTitle", ""},
        {"lblVersion", ""},     {"lblDisclaimer", ""},  {"cmdOK", ""},   {"", ""}};
    Command("HelpAbout");
    for (const auto& [over, lit] : cases) {
        // Start from the other link lit, so that every case has something to change.
        about().control(over == "lblHttp" ? "lblMail" : "lblHttp").moveMouse();
        if (over.empty())
            about().moveMouse();
        else
            about().control(over).moveMouse();
        for (const std::string_view link : {"lblMail", "lblHttp"}) {
            EXPECT_EQ(about().control(link).underline(), lit == link) << over;
            EXPECT_EQ(about().control(link).foreColor(), Rgb(0, 0, lit == link ? 255 : 0)) << over;
        }
    }
}

// How each way of closing focuses a visible main window is the end-to-end tests'.
TEST_F(Help, ClosingLeavesAHiddenMainWindowHiddenAndReopensAfresh) {
    const std::pair<const char*, void (*)(fake::FakeForm&)> closers[] = {
        {"OK", [](fake::FakeForm& f) { f.control("cmdOK").click(); }},
        {"close box", [](fake::FakeForm& f) { f.closeFromFrame(); }},
    };
    Hide();
    for (const auto& [name, close] : closers) {
        Command("TrayAbout");
        about().control("lblMail").moveMouse();
        close(about());
        EXPECT_TRUE(about().destroyed()) << name;
        EXPECT_FALSE(form().visible()) << name;
    }
    Command("TrayAbout");
    EXPECT_FALSE(about().destroyed());
    EXPECT_FALSE(about().control("lblMail").underline());
    EXPECT_EQ(about().control("lblHttp").foreColor(), kButtonTextColor);
    Command("TrayQuit");
    EXPECT_TRUE(about().destroyed());
}

}  // namespace
}  // namespace pw::testing
