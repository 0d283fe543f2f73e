#include "app/Options.h"

#include <cstdint>

#include "app/OptionsLayout.h"
#include "settings/Installation.h"
#include "settings/NumberText.h"
#include "settings/RunEntry.h"

namespace pw {

namespace {

constexpr char16_t kBackspace = 8, kTab = 9, kEnter = 13, kEscape = 27;

bool IsDigit(char16_t key) { return key >= u'0' && key <= u'9'; }

}  // namespace

Options::Options(AppState& state, Platform& platform, Form& mainWindow,
                 std::function<void()> applyWatching)
    : DialogForm(platform.ui, OptionsFormLayout(), mainWindow, "Cancel", Modality::Modeless),
      state_(state),
      platform_(platform),
      applyWatching_(std::move(applyWatching)),
      dialog_(platform.fileDialog, form_.get(), u"声音文件(*.wav)|*.wav|所有文件|*.*"),
      SSTab1_(form_->tab("SSTab1")),
      OK_(form_->button("OK")),
      Cancel_(form_->button("Cancel")),
      Apply_(form_->button("Apply")),
      sndFile_(form_->button("sndFile")),
      chkQuickSave_(form_->checkBox("chkQuickSave")),
      chkAddSave_(form_->checkBox("chkAddSave")),
      chkDelSaved_(form_->checkBox("chkDelSaved")),
      AutoRun_(form_->checkBox("AutoRun")),
      chkLookClip_(form_->checkBox("chkLookClip")),
      chkPlaySound_(form_->checkBox("chkPlaySound")),
      chkShowMain_(form_->checkBox("chkShowMain")),
      lblRate_(form_->label("lblRate")),
      lblRateUnit_(form_->label("lblRateUnit")),
      txtRate_(form_->textBox("txtRate")),
      txtLimit_(form_->textBox("txtLimit")) {
    dialog_.DialogTitle = u"选择声音文件";
    WireEvents();
    Open();
}

void Options::WireEvents() {
    OK_.Click = [this] { OK_Click(); };
    Cancel_.Click = [this] { Cancel_Click(); };
    Apply_.Click = [this] { Apply_Click(); };
    sndFile_.Click = [this] { sndFile_Click(); };
    for (CheckBox* box : {&chkShowMain_, &chkQuickSave_, &chkAddSave_, &chkDelSaved_, &AutoRun_})
        box->Click = [this] { Changed(); };
    chkLookClip_.Click = [this] { chkLookClip_Click(); };
    chkPlaySound_.Click = [this] { chkPlaySound_Click(); };
    txtRate_.Change = [this] { txtRate_Change(); };
    txtRate_.KeyPress = [this](char16_t& key) { txtRate_KeyPress(key); };
    txtLimit_.Change = [this] { txtLimit_Change(); };
    txtLimit_.KeyPress = [this](char16_t& key) { txtLimit_KeyPress(key); };
    txtLimit_.GotFocus = [this] { txtLimit_GotFocus(); };
}

void Options::Form_Load() {
    const Settings& s = state_.settings;
    chkQuickSave_.setChecked(s.QuickSave);
    chkAddSave_.setChecked(s.AddSave);
    txtRate_.setText(NumText(std::int64_t{s.ClipRate}));
    chkDelSaved_.setChecked(s.DelSaved);
    chkLookClip_.setChecked(s.GetClip);
    chkPlaySound_.setChecked(s.PlaySound);
    ShowSoundFile(s.SoundFile);
    chkShowMain_.setChecked(s.ShowMain);
    EnableRate(s.GetClip);
    sndFile_.setEnabled(s.PlaySound);
    AutoRun_.setChecked(RunEntryPointsHere(platform_.registry, platform_.programFolder));
    txtLimit_.setText(NumText(std::int64_t{s.Limit}));
    Apply_.setEnabled(false);
    SSTab1_.setPage(0);
}

void Options::ShowSoundFile(const std::u16string& path) {
    sndFile_.setText(path);
    sndFile_.setToolTip(u"文件名：" + path);
    dialog_.FileName = path;
}

void Options::EnableRate(bool on) {
    lblRate_.setEnabled(on);
    lblRateUnit_.setEnabled(on);
    txtRate_.setEnabled(on);
}

void Options::chkLookClip_Click() {
    EnableRate(chkLookClip_.checked());
    Changed();
}

void Options::chkPlaySound_Click() {
    sndFile_.setEnabled(chkPlaySound_.checked());
    Changed();
}

// Typing enables Apply; a change made otherwise (a paste with the mouse, the "1" put in
// place of an empty text) does not.
void Options::txtRate_Change() {
    if (txtRate_.text().empty()) txtRate_.setText(u"1");
}

void Options::txtRate_KeyPress(char16_t& key) {
    if (IsDigit(key) || key < 32)
        Changed();
    else
        key = 0;
}

void Options::txtLimit_Change() {
    Changed();
    if (txtLimit_.text().empty()) txtLimit_.setText(u"0");
}

void Options::txtLimit_KeyPress(char16_t& key) {
    const bool passes =
        IsDigit(key) || key == kBackspace || key == kTab || key == kEnter || key == kEscape;
    if (!passes) key = 0;
}

void Options::txtLimit_GotFocus() { txtLimit_.select(0, txtLimit_.text().size()); }

void Options::sndFile_Click() {
    Changed();
    dialog_.Flags = Dialog::cdlOFNFileMustExist;
    if (dialog_.ShowOpen()) ShowSoundFile(dialog_.FileName);
}

void Options::Apply_Click() {
    Settings& s = state_.settings;
    // Entries that do not fit the fields are brought to their nearest end.
    s.ClipRate =
        static_cast<std::int16_t>(RoundClamped(NumberValue(txtRate_.text()), 0, INT16_MAX));
    s.GetClip = chkLookClip_.checked();
    applyWatching_();
    s.AddSave = chkAddSave_.checked();
    s.QuickSave = chkQuickSave_.checked();
    s.PlaySound = chkPlaySound_.checked();
    s.ShowMain = chkShowMain_.checked();
    s.DelSaved = chkDelSaved_.checked();
    s.SoundFile = sndFile_.text();
    UpdateRunEntry(platform_.registry, platform_.programFolder,
                   InstalledForEveryone(platform_.programFolder, platform_.systemFolders),
                   AutoRun_.checked());
    s.Limit = static_cast<std::int32_t>(
        RoundClamped(NumberValue(txtLimit_.text()), INT32_MIN, INT32_MAX));
    Apply_.setEnabled(false);
    SaveSettings(platform_.registry, platform_.programFolder, s);
}

void Options::OK_Click() {
    Apply_Click();
    Cancel_Click();
}

void Options::Cancel_Click() { Dismiss(); }

}  // namespace pw
