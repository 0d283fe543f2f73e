#include <cmath>

#include "MainFixture.h"
#include "help/frmAbout.h"

namespace pw::testing {
namespace {

class Help : public MainFixture {
  protected:
    void SetUp() override { Start(); }
    fake::FakeForm& about() { return ui.form("frmAbout"); }
};

// The help file and the read-me, and how each way of closing focuses a visible main window,
// are the end-to-end tests'.
TEST_F(Help, LinksOpenWithTheirWindowAsOwnerAboutOpensOnceAndLeavesAHiddenMainWindowHidden) {
    Command("HelpWeb");
    Command("HelpMail");
    Command("TrayAbout");
    fake::FakeForm& first = about();
    const RectTw r = first.bounds();
    EXPECT_EQ(r, (RectTw{std::trunc((1024 * 15 - r.width) / 2),
                         std::trunc((768 * 15 - r.height) / 2), r.width, r.height}));
    about().control("lblHttp").click();
    about().control("lblMail").click();
    const std::u16string web(kHomePage), mail = u"mailto:" + std::u16string(kMailAddress);
    const std::u16string folder = u"C:\\PenWick";
    EXPECT_EQ(shell.calls, (decltype(shell.calls){{&form(), web, folder},
                                                  {&form(), mail, folder},
                                                  {&about(), web, folder},
                                                  {&about(), mail, folder}}));
    // A second command leaves it where it is; the link under the pointer lights up.
    first.setBounds({15, 30, r.width, r.height});
    Command("HelpAbout");
    EXPECT_EQ(&about(), &first);
    EXPECT_EQ(first.bounds(), (RectTw{15, 30, r.width, r.height}));
    about().control("lblMail").moveMouse();
    EXPECT_TRUE(about().control("lblMail").underline() && !about().control("lblHttp").underline());
    EXPECT_EQ(about().control("lblMail").foreColor(), Rgb(0, 0, 255));

    Hide();
    for (const auto& close : {+[](fake::FakeForm& f) { f.closeFromFrame(); },
                              +[](fake::FakeForm& f) { f.control("cmdOK").click(); }}) {
        close(about());
        EXPECT_TRUE(about().destroyed() && !form().visible());
        Command("TrayAbout");  // afresh
        EXPECT_FALSE(about().destroyed() || about().control("lblMail").underline());
        EXPECT_EQ(about().control("lblHttp").foreColor(), kButtonTextColor);
    }
    Command("TrayQuit");
    EXPECT_TRUE(about().destroyed());
}

}  // namespace
}  // namespace pw::testing
