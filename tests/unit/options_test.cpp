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
    EXPECT_FALSE(form().menu("TrayClip").checked());
    EXPECT_FALSE(form().timer("ClipTimer").enabled());
    EXPECT_TRUE(main->clipMonitor().IsLastClipText(u""));  // not read while watching is off
    EXPECT_EQ(notifyIcon.current.hIcon, TrayPicture::Paused);
    for (const auto& b : kBoxes) EXPECT_EQ(Setting(b.setting), b.byDefault ? u"False" : u"True");

    // The next run shows what was stored; watching and sound off disable their controls.
    Restart();
    for (const auto& b : kBoxes) EXPECT_EQ(box(b.box).checked(), !b.byDefault) << b.box;
    EXPECT_TRUE(box("AutoRun").checked());
    EXPECT_EQ(box("sndFile").text(), u"D:\\叮.wav");
    EXPECT_EQ(box("txtRate").text(), u"250");
    EXPECT_EQ(box("txtLimit").text(), u"8");
    for (auto name : {"lblRate", "lblRateUnit", "txtRate", "sndFile"})
        EXPECT_FALSE(box(name).enabled()) << name;
    box("chkLookClip").click();
    EXPECT_TRUE(box("txtRate").enabled());
    box("txtLimit").setFocus();  // selects the number, for typing over it
    EXPECT_EQ(box("txtLimit").selection().length, 1u);
}

TEST_F(Options, TheNumberBoxesFilterKeysAndRefillAnEmptyText) {
    // Box, whether the keys are pasted over the whole text rather than typed at its end, the
    // text after them and whether Apply is enabled.
    const std::tuple<const char*, bool, std::u16string_view, std::u16string_view, bool> cases[] = {
        {"txtRate", false, u"a-.", u"1000", false},
        {"txtRate", false, u"7", u"10007", true},
        {"txtRate", false, u"\x16", u"1000", true},  // Ctrl+V and the other editing keys pass
        {"txtRate", false, u"\b\b\b\b", u"1", true},
        {"txtRate", true, u"", u"1", false},
        {"txtRate", true, u"x", u"x", false},
        {"txtLimit", false, u"a-.\x16\x03", u"0", false},
        {"txtLimit", false, u"7", u"07", true},
        {"txtLimit", false, u"\b", u"0", true},
        {"txtLimit", true, u"x", u"x", true},
    };
    for (const auto& [name, paste, keys, text, apply] : cases) {
        SCOPED_TRACE(std::string(name) + " " + ::testing::PrintToString(std::u16string(keys)));
        Restart();
        box(name).select(box(name).text().size(), 0);
        paste ? ReplaceText(name, keys) : box(name).type(keys);
        EXPECT_EQ(box(name).text(), text);
        EXPECT_EQ(ApplyEnabled(), apply);
    }
}

// Values outside the fields are clamped without a message; OK without changes still applies
// everything.
TEST_F(Options, ValuesOutsideTheFieldsAreClampedAndOkWithoutChangesStillAppliesEverything) {
    // Typed into the rate and the limit, and what they give.
    const std::tuple<std::u16string_view, std::u16string_view, std::int16_t, std::int32_t> cases[] =
        {
            {u"-5", u"-99999999999", 0, -2147483647 - 1},
            {u"0", u"2147483647", 0, 2147483647},
            {u"99999", u"99999999999", 32767, 2147483647},
        };
    SetSetting(u"GetClip", u"True");
    registry.setString(RegRoot::LocalMachine, kRunKey, u"PenWick", u"C:\\PenWick\\PWick.exe");
    Restart();
    for (const auto& [rate, limit, clipRate, storedLimit] : cases) {
        ReplaceText("txtRate", rate);
        ReplaceText("txtLimit", limit);
        box("Apply").click();
        EXPECT_EQ(state.settings.ClipRate, clipRate);
        EXPECT_EQ(state.settings.Limit, storedLimit);
        EXPECT_EQ(form().timer("ClipTimer").interval(), clipRate);
    }
    EXPECT_TRUE(ui.shown.empty());
    clipboard.copy(u"on the clipboard");
    box("OK").click();
    EXPECT_TRUE(main->clipMonitor().IsLastClipText(u"on the clipboard"));
    // A copy outside the protected folders moves its entry to its own user.
    EXPECT_FALSE(registry.text(RegRoot::LocalMachine, kRunKey, u"PenWick"));
    EXPECT_EQ(registry.text(RegRoot::CurrentUser, kRunKey, u"PenWick"), u"C:\\PenWick\\PWick.exe");
    EXPECT_EQ(Setting(u"ClipRate"), u"32767");
}

TEST_F(Options, EveryWayOfClosingDestroysTheDialogAndOnlyOkApplies) {
    const std::pair<std::function<void(Options&)>, bool> closers[] = {
        // and whether it applies
        {[](Options& t) { t.dialog().press(u'\r'); }, true},
        {[](Options& t) { t.dialog().press(27); }, false},
        {[](Options& t) { t.dialog().closeFromFrame(); }, false},
    };
    for (const auto& [close, applies] : closers) {
        registry = {};
        Restart();
        ReplaceText("txtLimit", u"42");
        form().deactivate();
        close(*this);
        EXPECT_TRUE(dialog().destroyed() && form().visible() && form().active());
        EXPECT_EQ(state.settings.Limit == 42, applies);
    }
    // Over a hidden main window, which stays hidden; the exit ends both.
    Hide();
    Command("EditOption");
    box("Cancel").click();
    EXPECT_TRUE(dialog().destroyed() && !form().visible());
    Command("TrayOption");
    Command("TrayQuit");
    EXPECT_TRUE(dialog().destroyed() && form().destroyed());
}

// Which entry is this program's, and what ticking or unticking the box leaves behind, for an
// installed copy and for one anywhere else.
TEST(RunEntry, NamesThisProgramInOneOfTheRunKeys) {
    constexpr std::u16string_view folder = u"C:\\Program Files\\PenWick";
    constexpr std::u16string_view here = u"\"C:\\Program Files\\PenWick\\PWick.exe\"";
    constexpr std::u16string_view unquoted = u"c:\\program files\\penwick\\pwick.EXE";
    constexpr std::u16string_view other = u"D:\\Old\\PWick.exe";
    // Installed, entries before (empty: none), whether the machine-wide key is writable, whether
    // the entries point here, the box ticked, and the entries after.
    const std::tuple<bool, std::u16string_view, std::u16string_view, bool, bool, bool,
                     std::u16string_view, std::u16string_view>
        cases[] = {
            {true, {}, {}, true, false, true, here, {}},
            {true, unquoted, {}, true, true, false, {}, {}},
            {true, other, {}, true, false, false, other, {}},
            {true, other, {}, true, false, true, here, {}},
            {true, {}, {}, false, false, true, {}, here},
            {true, {}, here, false, true, false, {}, {}},
            {true, {}, other, true, false, false, {}, other},
            {true, here, unquoted, true, true, true, here, {}},
            {false, unquoted, {}, true, true, true, {}, here},
            {false, other, {}, true, false, true, other, here},
        };
    for (const auto& [installed, machine, user, writable, pointsHere, check, machineAfter,
                      userAfter] : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(machine) + u"|" +
                                              std::u16string(user) + (installed ? u"" : u"|-")));
        fake::FakeRegistry registry;
        if (!machine.empty())
            registry.setString(RegRoot::LocalMachine, kRunKey, u"PenWick", machine);
        if (!user.empty()) registry.setString(RegRoot::CurrentUser, kRunKey, u"PenWick", user);
        registry.readOnlyMachine = !writable;
        EXPECT_EQ(RunEntryPointsHere(registry, folder), pointsHere);
        UpdateRunEntry(registry, folder, installed, check);
        EXPECT_EQ(registry.text(RegRoot::LocalMachine, kRunKey, u"Penwick").value_or(u""),
                  machineAfter);
        EXPECT_EQ(registry.text(RegRoot::CurrentUser, kRunKey, u"Penwick").value_or(u""),
                  userAfter);
    }
}

}  // namespace
}  // namespace pw::testing
