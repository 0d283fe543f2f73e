#include "MainFixture.h"

namespace pw::testing {
namespace {

// Confidential texts, a clipboard held by another program for seconds and the warning of a full
// list are the end-to-end tests'.
class Capture : public MainFixture {
  public:
    void StartHidden() {
        Start();
        Hide();
    }
    void Tick() { form().timer("ClipTimer").tick(); }
    void Copy(std::u16string text) {
        clipboard.copy(std::move(text));
        Tick();
    }
    fake::FakeTimer& alert() { return form().timer("AlertTimer"); }
};

// Adding a panel after a filled one is also shown end to end, and in the tests below.
TEST_F(Capture, ACaptureFillsTheEmptyPanelWithTheSoundOrTheWindowAsSetAndStartsTheAlert) {
    for (const bool showMain : {false, true}) {
        SetSetting(u"ShowMain", showMain ? u"True" : u"False");
        SetSetting(u"PlaySound", showMain ? u"False" : u"True");
        sound = {};
        StartHidden();
        const std::u16string text = showMain ? u"弹出" : u"第一段";  // new to each start
        Copy(text);
        EXPECT_EQ(position(), u"1/1");
        EXPECT_EQ(content().text(), text);
        EXPECT_EQ(form().visible(), showMain);
        EXPECT_TRUE(content().hasFocus() || !showMain);
        EXPECT_EQ(sound.played,
                  std::vector<std::u16string>(showMain ? 0 : 1, u"C:\\PenWick\\Add.wav"));
        EXPECT_TRUE(alert().enabled());
    }
}

TEST_F(Capture, TextSeenAtStartWhileVisibleOrBehindALockIsNeverCaptured) {
    clipboard.copy(u"old");
    Start();
    Copy(u"abc");
    Hide();
    Tick();
    clipboard.locked = true;
    Tick();
    clipboard.locked = false;
    Tick();
    EXPECT_EQ(state.Panels.text(1), u"");
    EXPECT_TRUE(main->clipMonitor().IsLastClipText(u"abc"));
    EXPECT_TRUE(sound.played.empty());
    Copy(u"");
    EXPECT_TRUE(main->clipMonitor().IsLastClipText(u""));
    Copy(u"new");
    EXPECT_EQ(state.Panels.text(1), u"new");
}

// A text held by a panel is captured again only after that panel changed; a clipboard whose
// sequence number stands still is not read at all.
TEST_F(Capture, RepeatsAreNotCapturedAndAnUnchangedClipboardIsNotReadAgain) {
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
    Copy(std::u16string(1 << 20, u'x'));
    const int reads = clipboard.reads;
    for (int i = 0; i < 50; ++i) Tick();
    EXPECT_EQ(clipboard.reads, reads);
    Copy(u"y");
    EXPECT_EQ(clipboard.reads, reads + 1);
}

// Zero and below switch the limit off.
TEST_F(Capture, TheLimitCountsUtf16UnitsAndIsStrict) {
    const std::tuple<std::u16string_view, std::u16string_view, bool> cases[] = {
        {u"10", u"0123456789", false},
        {u"10", u"0123456789A", true},
        {u"10", u"五个中文字\r\n中文字", false},  // 5 + 2 + 3 units
        {u"10", u"😀😀😀😀😀", false},                 // 5 characters, 10 units
        {u"10", u"😀😀😀😀😀!", true},
        {u"-3", u"0", true},
        {u"0", u"0123456789", true},
    };
    for (const auto& [limit, text, captured] : cases) {
        SetSetting(u"Limit", limit);
        StartHidden();
        Copy(std::u16string(text));
        EXPECT_EQ(state.Panels.text(1) == text, captured)
            << ::testing::PrintToString(std::u16string(limit) + u" " + std::u16string(text));
    }
}

// Watching off in the middle of an alert, then on again without capturing what was copied
// meanwhile; each switch is stored at once.
TEST_F(Capture, AlertBlinksOnTheStateIconAndTrayClipSwitchesWatchingAndSavesAtOnce) {
    StartHidden();
    Copy(u"first");
    alert().tick();
    alert().tick();
    Copy(u"blink");
    std::vector<TrayPicture> seen;
    for (int i = 0; i < 8; ++i) {
        if (i == 3) Command("TrayClip");
        alert().tick();
        seen.push_back(notifyIcon.current.hIcon);
    }
    using P = TrayPicture;
    EXPECT_EQ(seen, (std::vector<P>{P::Alert, P::Program, P::Alert, P::Paused, P::Alert, P::Paused,
                                    P::Paused, P::Paused}));
    EXPECT_FALSE(alert().enabled());
    EXPECT_FALSE(form().menu("TrayClip").checked());
    EXPECT_FALSE(form().timer("ClipTimer").enabled());
    EXPECT_EQ(Setting(u"GetClip"), u"False");

    clipboard.copy(u"copied while paused");
    Command("TrayClip");
    EXPECT_TRUE(form().menu("TrayClip").checked());
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Program);
    EXPECT_EQ(Setting(u"GetClip"), u"True");
    Tick();
    EXPECT_EQ(state.Panels.count(), 2);
}

}  // namespace
}  // namespace pw::testing
