#include "MainFixture.h"

namespace pw::testing {
namespace {

class Capture : public MainFixture {
  public:
    void StartHidden() {
        Start();
        main->HideMainWindow();
    }
    void Tick() { form().timer("ClipTimer").tick(); }
    void Copy(std::u16string text, bool confidential = false) {
        clipboard.copy(std::move(text), confidential);
        Tick();
    }
    fake::FakeTimer& alert() { return form().timer("AlertTimer"); }
};

TEST_F(Capture, FirstCaptureFillsTheEmptyPanelAndTheNextAppends) {
    StartHidden();
    Copy(u"第一段");
    EXPECT_EQ(position(), u"1/1");
    EXPECT_EQ(content().text(), u"第一段");
    Copy(u"second");
    EXPECT_EQ(position(), u"2/2");
    EXPECT_EQ(state.Panels.text(1), u"第一段");
    EXPECT_EQ(state.Panels.text(2), u"second");
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(sound.played,
              (std::vector<std::u16string>{u"C:\\PenWick\\Add.wav", u"C:\\PenWick\\Add.wav"}));
    EXPECT_TRUE(alert().enabled());
}

TEST_F(Capture, NothingIsCapturedWhileTheWindowIsVisibleNorAfterHiding) {
    Start();
    Copy(u"abc");
    main->HideMainWindow();
    Tick();
    EXPECT_EQ(state.Panels.count(), 1);
    EXPECT_EQ(state.Panels.text(1), u"");
    EXPECT_EQ(state.LastClipText, u"abc");
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(Capture, TextOnTheClipboardAtStartIsNotCaptured) {
    clipboard.copy(u"old");
    StartHidden();
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"");
    Copy(u"new");
    EXPECT_EQ(state.Panels.text(1), u"new");
}

TEST_F(Capture, ATextHeldByAPanelIsCapturedAgainOnlyAfterThatPanelChanged) {
    StartHidden();
    Copy(u"A");
    Copy(u"A");
    Copy(u"B");
    Copy(u"A");
    EXPECT_EQ(state.Panels.count(), 2);
    main->cmdFirst_Click();
    content().type(u"!");
    Copy(u"C");
    Copy(u"A");
    EXPECT_EQ(state.Panels.count(), 4);
    EXPECT_EQ(state.Panels.text(4), u"A");
}

TEST_F(Capture, LimitCountsUtf16UnitsAndIsStrict) {
    registry.setString(RegRoot::CurrentUser, kSettingsKey, u"Limit", u"10");
    StartHidden();
    Copy(u"0123456789");
    EXPECT_EQ(state.Panels.text(1), u"");
    Copy(u"0123456789A");
    EXPECT_EQ(state.Panels.text(1), u"0123456789A");
    Copy(u"五个中文字\r\n中文字");  // 5 + 2 + 3 = 10
    EXPECT_EQ(state.Panels.count(), 1);
    Copy(u"五个中文字\r\n中文字!");
    EXPECT_EQ(state.Panels.count(), 2);
}

TEST_F(Capture, NegativeOrZeroLimitLetsAnyTextIn) {
    registry.setString(RegRoot::CurrentUser, kSettingsKey, u"Limit", u"-3");
    StartHidden();
    Copy(u"x");
    EXPECT_EQ(state.Panels.text(1), u"x");
}

TEST_F(Capture, EmptyingTheClipboardForgetsTheLastText) {
    StartHidden();
    Copy(u"keep");
    Copy(u"");
    EXPECT_EQ(state.LastClipText, u"");
    EXPECT_EQ(state.Panels.count(), 1);
}

TEST_F(Capture, ALockedClipboardDelaysTheCaptureButLosesNothing) {
    StartHidden();
    clipboard.copy(u"while locked");
    clipboard.locked = true;
    Tick();
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"");
    clipboard.locked = false;
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"while locked");
}

TEST_F(Capture, ALockedClipboardDoesNotMakeAnOldTextNew) {
    Start();
    Copy(u"seen while visible");
    main->HideMainWindow();
    clipboard.locked = true;
    Tick();
    clipboard.locked = false;
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"");
}

TEST_F(Capture, AnUnchangedClipboardIsNotReadAgain) {
    StartHidden();
    Copy(std::u16string(1 << 20, u'x'));
    const int reads = clipboard.reads;
    for (int i = 0; i < 50; ++i) Tick();
    EXPECT_EQ(clipboard.reads, reads);
    Copy(u"y");
    EXPECT_EQ(clipboard.reads, reads + 1);
    EXPECT_EQ(state.Panels.count(), 2);
}

TEST_F(Capture, ConfidentialTextNeverBecomesAPanel) {
    StartHidden();
    Copy(u"hunter2", /*confidential=*/true);
    EXPECT_EQ(state.Panels.text(1), u"");
    EXPECT_TRUE(sound.played.empty());
    EXPECT_FALSE(alert().enabled());
    Copy(u"ordinary");
    EXPECT_EQ(state.Panels.text(1), u"ordinary");
}

TEST_F(Capture, ShowMainBringsTheWindowUpWithTheNewPanel) {
    registry.setString(RegRoot::CurrentUser, kSettingsKey, u"ShowMain", u"True");
    registry.setString(RegRoot::CurrentUser, kSettingsKey, u"PlaySound", u"False");
    StartHidden();
    Copy(u"pop");
    EXPECT_TRUE(form().visible());
    EXPECT_FALSE(form().menu("TrayShow").visible());
    EXPECT_TRUE(content().hasFocus());
    EXPECT_EQ(content().text(), u"pop");
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(Capture, AFullListWarnsOnceAndKeepsEveryText) {
    Start();
    MakePanels(99);
    main->HideMainWindow();
    int ticksDuringBox = 0;
    ui.whileBoxOpen = [&](const fake::ShownMessage&) {
        // Ticks keep arriving while the warning waits for the user.
        Tick();
        Tick();
        ++ticksDuringBox;
    };
    Copy(u"one too many");
    Tick();
    Tick();
    EXPECT_EQ(ticksDuringBox, 1);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, u"已有99个面板，不能再加了！");
    EXPECT_EQ(state.Panels.text(99), u"9");
    EXPECT_EQ(state.LastClipText, u"one too many");
    EXPECT_FALSE(alert().enabled());
}

TEST_F(Capture, TrayClipSwitchesWatchingAndSavesAtOnce) {
    StartHidden();
    form().menu("TrayClip").click();
    EXPECT_FALSE(form().menu("TrayClip").checked());
    EXPECT_FALSE(form().timer("ClipTimer").enabled());
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Paused);
    EXPECT_EQ(Setting(u"GetClip"), u"False");

    clipboard.copy(u"copied while paused");
    form().menu("TrayClip").click();
    EXPECT_TRUE(form().menu("TrayClip").checked());
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Program);
    EXPECT_EQ(Setting(u"GetClip"), u"True");
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"");
    Copy(u"after");
    EXPECT_EQ(state.Panels.text(1), u"after");
}

TEST_F(Capture, AlertBlinksThreeTimesAndEndsOnTheStateIcon) {
    StartHidden();
    Copy(u"blink");
    std::vector<TrayPicture> seen;
    for (int i = 0; i < 8; ++i) {
        alert().tick();
        seen.push_back(notifyIcon.current.hIcon);
    }
    using P = TrayPicture;
    EXPECT_EQ(seen, (std::vector<P>{P::Alert, P::Program, P::Alert, P::Program, P::Alert,
                                    P::Program, P::Program, P::Program}));
    EXPECT_FALSE(alert().enabled());
}

TEST_F(Capture, SwitchingWatchingOffDuringAnAlertShowsThePausedIconAtOnce) {
    StartHidden();
    Copy(u"blink");
    alert().tick();
    alert().tick();
    form().menu("TrayClip").click();
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Paused);
    alert().tick();
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Alert);
    alert().tick();
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Paused);
    alert().tick();
    alert().tick();
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Paused);
    EXPECT_FALSE(alert().enabled());
}

TEST_F(Capture, ASecondCaptureRestartsTheCount) {
    StartHidden();
    Copy(u"first");
    alert().tick();
    alert().tick();
    Copy(u"second");
    for (int i = 0; i < 5; ++i) alert().tick();
    EXPECT_TRUE(alert().enabled());
    alert().tick();
    EXPECT_FALSE(alert().enabled());
}

}  // namespace
}  // namespace pw::testing
