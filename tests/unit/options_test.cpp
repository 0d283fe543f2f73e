#include "MainFixture.h"
#include "settings/RunEntry.h"

namespace pw::testing {
namespace {

class Options : public MainFixture {
  public:
    // A new run of the program on the registry as it is, with the dialog open.
    void Restart() {
        main.reset();
        state = {};
        Start();
        Command("EditOption");
    }
    fake::FakeForm& dialog() { return ui.form("Options"); }
    fake::FakeControl& box(std::string_view name) { return dialog().control(name); }
    bool ApplyEnabled() { return box("Apply").enabled(); }
    void ReplaceText(std::string_view name, std::u16string_view text) {
        box(name).select(0, box(name).text().size());
        box(name).paste(text);
    }
};

// The check boxes with their settings and the settings' defaults.
struct BoxCase {
    const char* box;
    std::u16string_view setting;
    bool byDefault;
};
constexpr BoxCase kBoxes[] = {
    {"chkQuickSave", u"QuickSave", true}, {"chkAddSave", u"AddSave", false},
    {"chkDelSaved", u"DelSaved", false},  {"chkLookClip", u"GetClip", true},
    {"chkPlaySound", u"PlaySound", true}, {"chkShowMain", u"ShowMain", false},
};

TEST_F(Options, ShowsTheSettingsAndEveryChangeEnablesApplyWhichStoresIt) {
    Start();
    Command("TrayOption");
    for (const auto& b : kBoxes) EXPECT_EQ(box(b.box).checked(), b.byDefault) << b.box;
    EXPECT_EQ(box("txtRate").text(), u"1000");
    EXPECT_EQ(box("txtLimit").text(), u"0");
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_EQ(dialog().bounds(), (RectTw{(15360 - 3900) / 2, (11520 - 3870) / 2, 3900, 3870}));

    // The chooser offers the file on show; a cancel changes nothing.
    fileDialog.answers = {std::nullopt, u"D:\\叮.wav"};
    for (int i = 0; i < 3; ++i) box("sndFile").click();
    EXPECT_EQ(box("sndFile").toolTip(), u"文件名：D:\\叮.wav");
    ASSERT_EQ(fileDialog.requests.size(), 3u);
    const FileDialogRequest& first = fileDialog.requests[0];
    EXPECT_TRUE(!first.save && first.mustExist);
    EXPECT_EQ(first.title, u"选择声音文件");
    using Filter = std::vector<std::pair<std::u16string, std::u16string>>;
    EXPECT_EQ(first.filter, (Filter{{u"声音文件(*.wav)", u"*.wav"}, {u"所有文件", u"*.*"}}));
    EXPECT_EQ(fileDialog.requests[1].fileName, u"C:\\PenWick\\Add.wav");
    EXPECT_EQ(fileDialog.requests[2].fileName, u"D:\\叮.wav");
    ReplaceText("txtRate", u"250");
    ReplaceText("txtLimit", u"8");
    Command("EditOption");  // the open dialog comes up as it is
    EXPECT_EQ(box("txtLimit").text(), u"8");
    box("AutoRun").click();
    EXPECT_TRUE(ApplyEnabled());
    for (const auto& b : kBoxes) {
        box("Apply").click();
        EXPECT_FALSE(ApplyEnabled());
        box(b.box).click();
        EXPECT_TRUE(ApplyEnabled()) << b.box;
    }
    clipboard.copy(u"on the clipboard");
    box("Apply").click();
    EXPECT_TRUE(dialog().visible());
    EXPECT_EQ(form().timer("ClipTimer").interval(), 250);
    EXPECT_FALSE(form().menu("TrayClip").checked());
    EXPECT_FALSE(form().timer("ClipTimer").enabled());
    EXPECT_EQ(main->clipMonitor().lastClipText(), u"");  // not read while watching is off
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Paused);
    for (const auto& b : kBoxes) EXPECT_EQ(Setting(b.setting), b.byDefault ? u"False" : u"True");

    // The next run shows what was stored; watching and sound off disable their controls.
    Restart();
    for (const auto& b : kBoxes) EXPECT_EQ(box(b.box).checked(), !b.byDefault) << b.box;
    EXPECT_TRUE(box("AutoRun").checked());
    EXPECT_EQ(box("sndFile").text(), u"D:\\叮.wav");
    EXPECT_EQ(box("txtRate").text(), u"250");
    EXPECT_EQ(box("txtLimit").text(), u"8");
    for (auto name : {"Label3", "Label4", "txtRate", "sndFile"})
        EXPECT_FALSE(box(name).enabled()) << name;
    box("chkLookClip").click();
    EXPECT_TRUE(box("txtRate").enabled());
    box("txtLimit").setFocus();  // selects the number, for typing over it
    EXPECT_EQ(box("txtLimit").selection().length, 1u);
}

struct KeyCase {
    const char* box;
    std::u16string_view typed;  // empty: `pasted` is pasted over the whole text
    std::u16string_view pasted;
    std::u16string_view text;
    bool apply;
};

TEST_F(Options, TheNumberBoxesFilterKeysAndRefillAnEmptyText) {
    const KeyCase cases[] = {
        {"txtRate", u"a-.", {}, u"1000", false},  {"txtRate", u"7", {}, u"10007", true},
        {"txtRate", u"\x16", {}, u"1000", true},  // Ctrl+V and the other editing keys pass
        {"txtRate", u"\b\b\b\b", {}, u"1", true}, {"txtRate", {}, u"", u"1", false},
        {"txtRate", {}, u"x", u"x", false},       {"txtLimit", u"a-.\x16\x03", {}, u"0", false},
        {"txtLimit", u"7", {}, u"07", true},      {"txtLimit", u"\b", {}, u"0", true},
        {"txtLimit", {}, u"x", u"x", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + ::testing::PrintToString(std::u16string(c.typed)));
        Restart();
        box(c.box).select(box(c.box).text().size(), 0);  // the caret at the end
        if (c.typed.empty())
            ReplaceText(c.box, c.pasted);
        else
            box(c.box).type(c.typed);
        EXPECT_EQ(box(c.box).text(), c.text);
        EXPECT_EQ(ApplyEnabled(), c.apply);
    }
}

// Values outside the fields are clamped without a message; OK without changes still applies
// everything.
TEST_F(Options, ValuesOutsideTheFieldsAreClampedAndOkWithoutChangesStillAppliesEverything) {
    const struct {
        std::u16string_view rate, limit;
        std::int16_t clipRate;
        std::int32_t storedLimit;
    } cases[] = {
        {u"-5", u"-99999999999", 0, -2147483647 - 1},
        {u"0", u"2147483647", 0, 2147483647},
        {u"99999", u"99999999999", 32767, 2147483647},
    };
    SetSetting(u"GetClip", u"True");
    registry.setString(RegRoot::LocalMachine, kRunKey, u"PenWick", u"C:\\PenWick\\PWick.exe");
    Restart();
    for (const auto& c : cases) {
        ReplaceText("txtRate", c.rate);
        ReplaceText("txtLimit", c.limit);
        box("Apply").click();
        EXPECT_EQ(state.settings.ClipRate, c.clipRate);
        EXPECT_EQ(state.settings.Limit, c.storedLimit);
        EXPECT_EQ(form().timer("ClipTimer").interval(), c.clipRate);
    }
    EXPECT_TRUE(ui.shown.empty());
    clipboard.copy(u"on the clipboard");
    registry.deleteValue(RegRoot::LocalMachine, kRunKey, u"PenWick");
    box("OK").click();
    EXPECT_EQ(main->clipMonitor().lastClipText(), u"on the clipboard");
    EXPECT_EQ(registry.text(RegRoot::LocalMachine, kRunKey, u"PenWick"), u"C:\\PenWick\\PWick.exe");
    EXPECT_EQ(Setting(u"ClipRate"), u"32767");
}

TEST_F(Options, EveryWayOfClosingDestroysTheDialogAndOnlyOkApplies) {
    const struct {
        std::function<void(Options&)> close;
        bool mainVisible, applied, mainFocused;
    } cases[] = {
        {[](Options& t) { t.dialog().press(u'\r'); }, true, true, true},  // OK
        {[](Options& t) { t.dialog().press(27); }, true, false, true},    // Cancel
        {[](Options& t) { t.dialog().closeFromFrame(); }, true, false, true},
        {[](Options& t) { t.box("Cancel").click(); }, false, false, false},
        {[](Options& t) { t.Command("TrayQuit"); }, false, false, false},
    };
    for (const auto& c : cases) {
        registry = {};
        Restart();
        ReplaceText("txtLimit", u"42");
        if (!c.mainVisible) Hide();
        form().deactivate();
        c.close(*this);
        EXPECT_TRUE(dialog().destroyed());
        EXPECT_EQ(state.settings.Limit == 42, c.applied);
        EXPECT_EQ(form().visible(), c.mainVisible);
        EXPECT_EQ(form().active(), c.mainFocused);
        if (form().destroyed()) continue;
        Command("EditOption");  // a fresh dialog from the Settings
        EXPECT_EQ(box("txtLimit").text(), c.applied ? u"42" : u"0");
    }
}

struct RunEntryCase {
    std::u16string_view machine, user;  // entries before; empty: none
    bool machineWritable, pointsHere, check;
    std::u16string_view machineAfter, userAfter;
};

// Which entry is this program's, and what ticking or unticking the box leaves behind.
TEST(RunEntry, NamesThisProgramInOneOfTheRunKeys) {
    constexpr std::u16string_view folder = u"C:\\Program Files\\PenWick";
    constexpr std::u16string_view here = u"\"C:\\Program Files\\PenWick\\PWick.exe\"";
    constexpr std::u16string_view unquoted = u"c:\\program files\\penwick\\pwick.EXE";
    constexpr std::u16string_view other = u"D:\\Old\\PWick.exe";
    const RunEntryCase cases[] = {
        {{}, {}, true, false, true, here, {}},      {unquoted, {}, true, true, false, {}, {}},
        {other, {}, true, false, false, other, {}}, {other, {}, true, false, true, here, {}},
        {{}, {}, false, false, true, {}, here},     {{}, here, false, true, false, {}, {}},
        {{}, other, true, false, false, {}, other}, {here, unquoted, true, true, true, here, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            ::testing::PrintToString(std::u16string(c.machine) + u"|" + std::u16string(c.user)));
        fake::FakeRegistry registry;
        if (!c.machine.empty())
            registry.setString(RegRoot::LocalMachine, kRunKey, u"PenWick", c.machine);
        if (!c.user.empty()) registry.setString(RegRoot::CurrentUser, kRunKey, u"PenWick", c.user);
        registry.readOnlyMachine = !c.machineWritable;
        EXPECT_EQ(RunEntryPointsHere(registry, folder), c.pointsHere);
        UpdateRunEntry(registry, folder, c.check);
        EXPECT_EQ(registry.text(RegRoot::LocalMachine, kRunKey, u"Penwick").value_or(u""),
                  c.machineAfter);
        EXPECT_EQ(registry.text(RegRoot::CurrentUser, kRunKey, u"Penwick").value_or(u""),
                  c.userAfter);
    }
}

}  // namespace
}  // namespace pw::testing
