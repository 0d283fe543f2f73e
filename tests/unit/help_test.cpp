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
    EXPECT_EQ(VersionLabel({1, 10, 31}), u"版本：1.10，第31次编译");
    EXPECT_EQ(VersionLabel({2, 5, 7}), u"版本：2.05，第7次编译");
}

class Help : public MainFixture {
  protected:
    void SetUp() override { Start(); }
    fake::FakeForm& about() { return ui.form("frmAbout"); }
    static fake::FakeShell::Call Opened(Form& owner, std::u16string target) {
        return {&owner, std::move(target), u"C:\\PenWick"};
    }
    const std::u16string mailto_ = u"mailto:" + std::u16string(kMailAddress);
};

TEST_F(Help, MenuCommandsHandTheirTargetsToTheShell) {
    const std::pair<const char*, std::u16string> cases[] = {
        {"HelpContent", u"C:\\PenWick\\PWick.chm"},
        {"HelpReadMe", u"C:\\PenWick\\readme.txt"},
        {"HelpWeb", std::u16string(kHomePage)},
        {"HelpMail", mailto_},
    };
    for (const auto& [item, target] : cases) {
        shell.calls.clear();
        form().menu(item).click();
        EXPECT_EQ(shell.calls, std::vector{Opened(form(), target)}) << item;
    }
}

TEST_F(Help, AboutLinksOpenWithTheDialogAsOwnerAndTheDialogStays) {
    form().menu("HelpAbout").click();
    about().control("lblHttp").click();
    about().control("lblMail").click();
    EXPECT_EQ(shell.calls,
              (std::vector{Opened(about(), std::u16string(kHomePage)), Opened(about(), mailto_)}));
    EXPECT_TRUE(about().visible());
}

TEST_F(Help, AboutOpensCentredWithTheVersion) {
    form().menu("TrayAbout").click();
    const RectTw r = about().bounds();
    EXPECT_EQ(r.left, std::trunc((1024 * 15 - r.width) / 2));
    EXPECT_EQ(r.top, std::trunc((768 * 15 - r.height) / 2));
    EXPECT_TRUE(about().visible());
    EXPECT_EQ(about().control("lblVersion").text(), u"版本：1.10，第31次编译");
}

TEST_F(Help, OnlyTheLinkUnderThePointerIsBlueAndUnderlined) {
    constexpr Color kBlue = Rgb(0, 0, 255), kBlack = Rgb(0, 0, 0);
    struct Case {
        const char* over;  // empty: the dialog's background
        bool mailHot, httpHot;
    };
    const Case cases[] = {{"lblMail", true, false},     {"lblHttp", false, true},
                          {"picIcon", false, false},    {"lblTitle", false, false},
                          {"lblVersion", false, false}, {"lblDisclaimer", false, false},
                          {"cmdOK", false, false},      {"", false, false}};
    form().menu("HelpAbout").click();
    auto& mail = about().control("lblMail");
    auto& http = about().control("lblHttp");
    for (const Case& c : cases) {
        // Start from the other link lit, so that every case has something to change.
        (c.over == std::string_view("lblHttp") ? mail : http).moveMouse();
        if (*c.over)
            about().control(c.over).moveMouse();
        else
            about().moveMouse();
        EXPECT_EQ(mail.underline(), c.mailHot) << c.over;
        EXPECT_EQ(mail.foreColor(), c.mailHot ? kBlue : kBlack) << c.over;
        EXPECT_EQ(http.underline(), c.httpHot) << c.over;
        EXPECT_EQ(http.foreColor(), c.httpHot ? kBlue : kBlack) << c.over;
    }
}

TEST_F(Help, ASecondAboutCommandLeavesTheOpenDialogAlone) {
    form().menu("HelpAbout").click();
    fake::FakeForm& first = about();
    first.setBounds({15, 30, first.bounds().width, first.bounds().height});
    form().menu("TrayAbout").click();
    EXPECT_EQ(&about(), &first);
    EXPECT_EQ(first.bounds().left, 15);
    EXPECT_EQ(first.bounds().top, 30);
}

TEST_F(Help, ClosingLeavesAHiddenMainWindowHiddenAndReopensAfresh) {
    const std::pair<const char*, void (*)(fake::FakeForm&)> closers[] = {
        {"OK", [](fake::FakeForm& f) { f.control("cmdOK").click(); }},
        {"close box", [](fake::FakeForm& f) { f.closeFromFrame(); }},
    };
    form().menu("PanelClose").click();
    for (const auto& [name, close] : closers) {
        form().menu("TrayAbout").click();
        about().control("lblMail").moveMouse();
        close(about());
        EXPECT_TRUE(about().destroyed()) << name;
        EXPECT_FALSE(form().visible()) << name;
        EXPECT_FALSE(form().active()) << name;
    }
    form().menu("TrayAbout").click();
    EXPECT_FALSE(about().destroyed());
    EXPECT_FALSE(about().control("lblMail").underline());
    EXPECT_EQ(about().control("lblHttp").foreColor(), kButtonTextColor);
}

TEST_F(Help, ExitClosesAnOpenAboutDialog) {
    form().menu("HelpAbout").click();
    form().menu("PanelExit").click();
    EXPECT_TRUE(about().destroyed());
}

}  // namespace
}  // namespace pw::testing
