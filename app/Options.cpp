#include "app/Options.h"

#include <cstdint>

#include "app/OptionsLayout.h"
#include "app/Placement.h"
#include "settings/Installation.h"
#include "settings/NumberText.h"
#include "settings/RunEntry.h"

namespace pw {

namespace {

constexpr char16_t kBackspace = 8, kTab = 9, kEnter = 13, kEscape = 27;

bool IsDigit(char16_t key) { return key >= u'0' && key <= u'9'; }

}  // namespace

Options::Options(AppState& state, Platform& platform, const MainParts& parts)
    : state_(state),
      platform_(platform),
      main_(parts),
      form_(platform.ui.createForm(OptionsFormLayout())),
      dialog_(platform.fileDialog, form_.get(), u"声音文件(*.wav)|*.wav|所有文件|*.*") {
    dialog_.DialogTitle = u"选择声音文件";
    WireEvents();
    Form_Load();
}

void Options::WireEvents() {
    Form& f = *form_;
    f.control("OK").Click = [this] { OK_Click(); };
    f.control("Cancel").Click = [this] { Cancel_Click(); };
    f.control("Apply").Click = [this] { Apply_Click(); };
    f.control("sndFile").Click = [this] { sndFile_Click(); };
    for (auto box : {"chkShowMain", "chkQuickSave", "chkAddSave", "chkDelSaved", "AutoRun"})
        f.control(box).Click = [this] { Changed(); };
    f.control("chkLookClip").Click = [this] { chkLookClip_Click(); };
    f.control("chkPlaySound").Click = [this] { chkPlaySound_Click(); };
    Control& rate = f.control("txtRate");
    rate.Change = [this] { txtRate_Change(); };
    rate.KeyPress = [this](char16_t& key) { txtRate_KeyPress(key); };
    Control& limit = f.control("txtLimit");
    limit.Change = [this] { txtLimit_Change(); };
    limit.KeyPress = [this](char16_t& key) { txtLimit_KeyPress(key); };
    limit.GotFocus = [this] { txtLimit_GotFocus(); };
    f.QueryUnload = [this](bool& cancel, UnloadMode mode) { Form_QueryUnload(cancel, mode); };
    f.Unload = [this] { open_ = false; };
}

void Options::Form_Load() {
    Form& f = *form_;
    const Settings& s = state_.settings;
    f.setEnabled(true);
    f.setVisible(true);
    f.setBounds(CentredOnScreen(f.bounds(), platform_.ui.monitors()));
    f.control("chkQuickSave").setChecked(s.QuickSave);
    f.control("chkAddSave").setChecked(s.AddSave);
    f.control("txtRate").setText(NumText(std::int64_t{s.ClipRate}));
    f.control("chkDelSaved").setChecked(s.DelSaved);
    f.control("chkLookClip").setChecked(s.GetClip);
    f.control("chkPlaySound").setChecked(s.PlaySound);
    ShowSoundFile(s.SoundFile);
    f.control("chkShowMain").setChecked(s.ShowMain);
    for (auto name : {"Label3", "Label4", "txtRate"}) f.control(name).setEnabled(s.GetClip);
    f.control("sndFile").setEnabled(s.PlaySound);
    f.control("AutoRun").setChecked(
        RunEntryPointsHere(platform_.registry, platform_.programFolder));
    f.control("txtLimit").setText(NumText(std::int64_t{s.Limit}));
    f.control("Apply").setEnabled(false);
    f.control("tabMisc").setChecked(true);
}

void Options::ShowSoundFile(const std::u16string& path) {
    Control& button = form_->control("sndFile");
    button.setText(path);
    button.setToolTip(u"文件名：" + path);
    dialog_.FileName = path;
}

void Options::chkLookClip_Click() {
    const bool on = Checked("chkLookClip");
    for (auto name : {"Label3", "Label4", "txtRate"}) form_->control(name).setEnabled(on);
    Changed();
}

void Options::chkPlaySound_Click() {
    form_->control("sndFile").setEnabled(Checked("chkPlaySound"));
    Changed();
}

// Typing enables Apply; a change made otherwise (a paste with the mouse, the "1" put in
// place of an empty text) does not.
void Options::txtRate_Change() {
    Control& rate = form_->control("txtRate");
    if (rate.text().empty()) rate.setText(u"1");
}

void Options::txtRate_KeyPress(char16_t& key) {
    if (IsDigit(key) || key < 32)
        Changed();
    else
        key = 0;
}

void Options::txtLimit_Change() {
    Changed();
    Control& limit = form_->control("txtLimit");
    if (limit.text().empty()) limit.setText(u"0");
}

void Options::txtLimit_KeyPress(char16_t& key) {
    const bool passes =
        IsDigit(key) || key == kBackspace || key == kTab || key == kEnter || key == kEscape;
    if (!passes) key = 0;
}

void Options::txtLimit_GotFocus() {
    Control& limit = form_->control("txtLimit");
    limit.select(0, limit.text().size());
}

void Options::sndFile_Click() {
    Changed();
    dialog_.Flags = Dialog::cdlOFNFileMustExist;
    if (dialog_.ShowOpen()) ShowSoundFile(dialog_.FileName);
}

void Options::Apply_Click() {
    Settings& s = state_.settings;
    Form& main = main_.main;
    Timer& clipTimer = main.timer("ClipTimer");
    // Entries that do not fit the fields are brought to their nearest end.
    s.ClipRate = static_cast<std::int16_t>(
        RoundClamped(NumberValue(form_->control("txtRate").text()), 0, INT16_MAX));
    clipTimer.setInterval(s.ClipRate);
    s.GetClip = Checked("chkLookClip");
    main.menu("TrayClip").setChecked(s.GetClip);
    clipTimer.setEnabled(s.GetClip);
    if (s.GetClip) main_.monitor.RememberCurrent();
    s.AddSave = Checked("chkAddSave");
    s.QuickSave = Checked("chkQuickSave");
    s.PlaySound = Checked("chkPlaySound");
    s.ShowMain = Checked("chkShowMain");
    s.DelSaved = Checked("chkDelSaved");
    s.SoundFile = form_->control("sndFile").text();
    UpdateRunEntry(platform_.registry, platform_.programFolder,
                   InstalledForEveryone(platform_.programFolder, platform_.systemFolders),
                   Checked("AutoRun"));
    s.Limit = static_cast<std::int32_t>(
        RoundClamped(NumberValue(form_->control("txtLimit").text()), INT32_MIN, INT32_MAX));
    form_->control("Apply").setEnabled(false);
    main_.tray.UpdateTrayIcon();
    SaveSettings(platform_.registry, platform_.programFolder, s);
}

void Options::OK_Click() {
    Apply_Click();
    Cancel_Click();
}

void Options::Cancel_Click() {
    form_->unload();
    if (main_.main.visible()) main_.main.setFocus();
}

void Options::Form_QueryUnload(bool& cancel, UnloadMode mode) {
    if (mode != UnloadMode::FormControlMenu) return;
    cancel = true;  // Cancel closes it, and gives the main window the focus afterwards
    Cancel_Click();
}

}  // namespace pw
