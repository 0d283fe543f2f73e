#include "MainFixture.h"

namespace pw::testing {
namespace {

class Capture : public MainFixture {
  public:
    void StartHidden() {
        Start();
        Hide();
    }
    void Tick() { form().timer("ClipTimer").tick(); }
    void Copy(std::u16string text, bool confidential = false) {
        clipboard.copy(std::move(text), confidential);
        Tick();
    }
    const std::u16string& last() { return main->clipMonitor().lastClipText(); }
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

TEST_F(Capture, WhatIsTypedIntoALargePanelIsSeenAtOnceByEveryReader) {
    const std::u16string big(3 << 20, u'字');
    Start();
    content().paste(big);
    content().type(u"!");
    EXPECT_EQ(state.Panels.text(1), big + u"!");
    content().type(u"?");
    fileDialog.answers = {u"C:\\big.txt"};
    Command("SaveCurrent");
    const std::string& saved = files.files[u"C:\\big.txt"];
    EXPECT_EQ(saved.size(), 3 + big.size() * 3 + 4);  // byte-order mark, UTF-8, "!?", CR LF
    EXPECT_TRUE(saved.ends_with("!?\r\n"));
    Hide();
    Copy(big + u"!?");  // the panel holds it already
    EXPECT_EQ(state.Panels.count(), 1);
    Copy(big + u"!");
    EXPECT_EQ(state.Panels.count(), 2);
    Command("GoFirst");
    EXPECT_EQ(content().text(), big + u"!?");
}

TEST_F(Capture, TextSeenAtStartOrWhileVisibleIsNeverCaptured) {
    clipboard.copy(u"old");
    Start();
    Copy(u"abc");
    Hide();
    Tick();
    EXPECT_EQ(state.Panels.count(), 1);
    EXPECT_EQ(state.Panels.text(1), u"");
    EXPECT_EQ(last(), u"abc");
    EXPECT_TRUE(sound.played.empty());
    Copy(u"");
    EXPECT_EQ(last(), u"");
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
    Command("GoFirst");
    content().type(u"!");
    Copy(u"C");
    Copy(u"A");
    EXPECT_EQ(state.Panels.count(), 4);
    EXPECT_EQ(state.Panels.text(4), u"A");
}

TEST_F(Capture, TheLimitCountsUtf16UnitsAndIsStrict) {
    struct Case {
        const char16_t* limit;
        std::u16string text;
        bool captured;
    };
    const Case cases[] = {
        {u"10", u"0123456789", false},
        {u"10", u"0123456789A", true},
        {u"10", u"五个中文字\r\n中文字", false},  // 5 + 2 + 3 units
        {u"10", u"😀😀😀😀😀", false},                 // 5 characters, 10 units
        {u"10", u"😀😀😀😀😀!", true},
        {u"-3", u"x", true},
        {u"0", u"x", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        state = {};
        clipboard.copy(u"");
        SetSetting(u"Limit", c.limit);
        StartHidden();
        Copy(c.text);
        EXPECT_EQ(state.Panels.text(1) == c.text, c.captured);
    }
}

TEST_F(Capture, ALockedClipboardDelaysTheCaptureButNeitherLosesNorRevivesAText) {
    Start();
    Copy(u"seen while visible");
    Hide();
    clipboard.locked = true;
    Tick();
    clipboard.locked = false;
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"");

    clipboard.copy(u"while locked");
    clipboard.locked = true;
    Tick();
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"");
    clipboard.locked = false;
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"while locked");
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
    SetSetting(u"ShowMain", u"True");
    SetSetting(u"PlaySound", u"False");
    StartHidden();
    Copy(u"pop");
    EXPECT_TRUE(form().visible());
    EXPECT_TRUE(content().hasFocus());
    EXPECT_EQ(content().text(), u"pop");
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(Capture, AFullListWarnsOnceAndKeepsEveryText) {
    Start();
    MakePanels(99);
    Hide();
    ui.whileBoxOpen = [&](const fake::ShownMessage&) {
        // Ticks keep arriving while the warning waits for the user.
        Tick();
        Tick();
    };
    Copy(u"one too many");
    Tick();
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(state.Panels.text(99), u"9");
    EXPECT_EQ(last(), u"one too many");
    EXPECT_FALSE(alert().enabled());
}

TEST_F(Capture, TrayClipSwitchesWatchingAndSavesAtOnce) {
    StartHidden();
    Command("TrayClip");
    EXPECT_FALSE(form().menu("TrayClip").checked());
    EXPECT_FALSE(form().timer("ClipTimer").enabled());
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Paused);
    EXPECT_EQ(Setting(u"GetClip"), u"False");

    clipboard.copy(u"copied while paused");
    Command("TrayClip");
    EXPECT_TRUE(form().menu("TrayClip").checked());
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Program);
    EXPECT_EQ(Setting(u"GetClip"), u"True");
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"");
    Copy(u"after");
    EXPECT_EQ(state.Panels.text(1), u"after");
}

TEST_F(Capture, AlertBlinksThreeTimesOnTheStateIconReadAfreshEachTick) {
    StartHidden();
    Copy(u"blink");
    std::vector<TrayPicture> seen;
    for (int i = 0; i < 8; ++i) {
        if (i == 3) Command("TrayClip");  // watching off in the middle of the alert
        alert().tick();
        seen.push_back(notifyIcon.current.hIcon);
    }
    using P = TrayPicture;
    EXPECT_EQ(seen, (std::vector<P>{P::Alert, P::Program, P::Alert, P::Paused, P::Alert, P::Paused,
                                    P::Paused, P::Paused}));
    EXPECT_FALSE(alert().enabled());
}

TEST_F(Capture, ASecondCaptureRestartsTheAlert) {
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
