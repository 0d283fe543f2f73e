#include "app/Main.h"

#include <algorithm>
#include <initializer_list>

#include "app/MainLayout.h"
#include "app/Options.h"
#include "app/PanelNum.h"
#include "app/Placement.h"
#include "convert/ChineseConverter.h"
#include "settings/Installation.h"
#include "settings/NumberText.h"

namespace pw {

namespace {

// Outer size below which the frame does not shrink, and the fixed parts of the layout.
constexpr double kMinWidth = 2895, kMinHeight = 3000;
// Measured from the inside of the frame: caption and menu bar differ in height between Windows
// versions, and the menu bar wraps in a narrow window. With the designed frame (120 twips wide,
// 690 high) this is the same as 360, 1530 and 1185 taken off the outer size.
constexpr double kContentMargin = 120, kContentWidthLoss = 240, kContentHeightLoss = 840;
constexpr double kButtonTopLoss = 495, kButtonRowWidth = 2535;

}  // namespace

Main::Main(AppState& state, Platform& platform)
    : state_(state),
      platform_(platform),
      form_(platform.ui.createForm(MainFormLayout())),
      Content_(form_->textBox("Content")),
      cmdGo_(form_->button("cmdGo")),
      cmdFirst_(form_->button("cmdFirst")),
      cmdBack_(form_->button("cmdBack")),
      cmdNext_(form_->button("cmdNext")),
      cmdLast_(form_->button("cmdLast")),
      TrayShow_(form_->menu("TrayShow")),
      TrayClip_(form_->menu("TrayClip")),
      ClipTimer_(form_->timer("ClipTimer")),
      tray_(*form_, platform.notifyIcon, state.settings, std::u16string(kProductName), "mnuTray",
            [this] { ShowMainWindow(); }),
      monitor_(platform.clipboard),
      alert_(form_->timer("AlertTimer")),
      saving_(state.Panels, state.settings, form_.get(),
              {platform.ui, platform.files, platform.codePage, platform.fileDialog},
              [this] { ShowPanel(); }),
      help_(platform.ui, platform.shell, platform.programFolder, *form_),
      find_(platform.ui, state.Panels, {*form_, Content_, [this] { ShowPanel(); }}) {
    state_.Panels.setEditor([this] { return Content_.text(); });
    WireEvents();
}

Main::~Main() { state_.Panels.setEditor(nullptr); }

void Main::WireEvents() {
    Form& f = *form_;
    auto on = [&f](std::string_view item, void (Main::*handler)(), Main* self) {
        f.menu(item).Click = [self, handler] { (self->*handler)(); };
    };
    on("PanelNew", &Main::PanelNew_Click, this);
    on("PanelDel", &Main::PanelDel_Click, this);
    on("PanelClose", &Main::HideMainWindow, this);
    on("PanelExit", &Main::PanelExit_Click, this);
    on("EditAll", &Main::EditAll_Click, this);
    on("GoFirst", &Main::cmdFirst_Click, this);
    on("GoBack", &Main::cmdBack_Click, this);
    on("GoNext", &Main::cmdNext_Click, this);
    on("GoLast", &Main::cmdLast_Click, this);
    on("GoGo", &Main::cmdGo_Click, this);
    on("ToolB2G", &Main::ToolB2G_Click, this);
    on("ToolG2B", &Main::ToolG2B_Click, this);
    on("TrayShow", &Main::ShowMainWindow, this);
    on("TrayAdd", &Main::PanelNew_Click, this);
    on("TrayQuit", &Main::PanelExit_Click, this);
    on("TrayClip", &Main::TrayClip_Click, this);
    on("EditOption", &Main::EditOption_Click, this);
    on("TrayOption", &Main::EditOption_Click, this);
    on("HelpAbout", &Main::HelpAbout_Click, this);
    on("TrayAbout", &Main::HelpAbout_Click, this);
    f.menu("SaveCurrent").Click = [this] { saving_.SaveCurrent_Click(); };
    f.menu("SaveAll").Click = [this] { saving_.SaveAll_Click(); };
    f.menu("HelpContent").Click = [this] { help_.HelpContent_Click(); };
    f.menu("HelpReadMe").Click = [this] { help_.HelpReadMe_Click(); };
    f.menu("HelpWeb").Click = [this] { help_.HelpWeb_Click(); };
    f.menu("HelpMail").Click = [this] { help_.HelpMail_Click(); };
    f.menu("EditFind").Click = [this] { find_.EditFind_Click(); };
    f.menu("EditFindNext").Click = [this] { find_.EditFindNext_Click(); };
    ClipTimer_.Tick = [this] { ClipTimer_Timer(); };
    f.timer("AlertTimer").Tick = [this] { AlertTimer_Timer(); };

    cmdFirst_.Click = [this] { cmdFirst_Click(); };
    cmdBack_.Click = [this] { cmdBack_Click(); };
    cmdNext_.Click = [this] { cmdNext_Click(); };
    cmdLast_.Click = [this] { cmdLast_Click(); };
    cmdGo_.Click = [this] { cmdGo_Click(); };
    Content_.Change = [this] { Content_Change(); };

    auto keys = [this](char16_t& key) { KeyPress(key); };
    for (Control* c : std::initializer_list<Control*>{&Content_, &cmdFirst_, &cmdBack_, &cmdGo_,
                                                      &cmdNext_, &cmdLast_})
        c->KeyPress = keys;
    f.KeyPress = keys;

    f.QueryUnload = [this](bool& cancel, UnloadMode mode) { Form_QueryUnload(cancel, mode); };
    f.Unload = [this] { Form_Unload(); };
    f.Resize = [this] { Form_Resize(); };
}

bool Main::Form_Initialize() {
    if (!platform_.instance.acquire()) return false;
    state_.Panels.clear();
    form_->setVisible(false);
    LoadSettings(platform_.registry, platform_.programFolder, state_.settings, [this] {
        return FirstSaveFolder(platform_.programFolder, platform_.systemFolders);
    });
    TrayClip_.setChecked(state_.settings.GetClip);
    form_->setMinimumSize(kMinWidth, kMinHeight);
    PlaceWindow();
    ClipTimer_.setEnabled(state_.settings.GetClip);
    ClipTimer_.setInterval(state_.settings.ClipRate);
    ClearPanels();
    // Started by hand, the window is what the user expects to see: it comes up as soon as it
    // is placed and filled, before the steps nobody sees (the clipboard, the tray icon, the
    // slowest). Their messages, and the timers', wait in the queue until start-up is done.
    ShowMainWindow();
    monitor_.RememberCurrent();
    tray_.AddTrayIcon();
    return true;
}

void Main::PlaceWindow() {
    const Settings& s = state_.settings;
    const RectTw stored{s.Left, s.Top, s.Width, s.Height};
    form_->setBounds(EnsureOnScreen(stored, platform_.ui.monitors(), platform_.ui.workAreas()));
    form_->setWindowState(WindowState::Normal);
}

// ---- Panels ----

void Main::ShowPanel() {
    const PanelStore& p = state_.Panels;
    const auto current = NumText(std::int64_t{p.current()});
    const auto count = NumText(std::int64_t{p.count()});
    cmdGo_.setText(current + u"/" + count);
    Content_.setText(p.currentText());
    state_.Panels.markInStep();
    cmdGo_.setToolTip(u"第" + current + u"项，共" + count + u"项");
    if (form_->visible()) Content_.setFocus();
    const bool first = p.current() == 1, last = p.current() == p.count();
    cmdBack_.setEnabled(!first);
    cmdFirst_.setEnabled(!first);
    cmdLast_.setEnabled(!last);
    cmdNext_.setEnabled(!last);
}

// The store fetches the text from the box when somebody reads it, not on every keystroke.
void Main::Content_Change() { state_.Panels.markEdited(); }

void Main::PanelNew_Click() { AddPanel(); }

bool Main::AddPanel() {
    if (!state_.Panels.append()) {
        platform_.ui.messageBox(form_.get(), u"已有99个面板，不能再加了！", kProductName,
                                MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    ShowPanel();
    return true;
}

void Main::PanelDel_Click() {
    const int k = state_.Panels.current();
    const auto answer = platform_.ui.messageBox(
        form_.get(), u"您确定要删除第" + NumText(std::int64_t{k}) + u"个面板吗？", kProductName,
        MsgIcon::Question, MsgButtons::YesNo);
    if (answer == MsgResult::Yes) RemovePanel(k);
}

void Main::RemovePanel(int k) {
    state_.Panels.remove(k);
    ShowPanel();
}

void Main::ClearPanels() {
    state_.Panels.clear();
    ShowPanel();
}

// Without reading the text out: it may hold megabytes.
void Main::EditAll_Click() { Content_.select(0, std::u16string::npos); }

// ---- Paging ----

void Main::cmdFirst_Click() {
    state_.Panels.setCurrent(1);
    ShowPanel();
}

void Main::cmdBack_Click() {
    state_.Panels.setCurrent(state_.Panels.current() - 1);
    ShowPanel();
}

void Main::cmdNext_Click() {
    state_.Panels.setCurrent(state_.Panels.current() + 1);
    ShowPanel();
}

void Main::cmdLast_Click() {
    state_.Panels.setCurrent(state_.Panels.count());
    ShowPanel();
}

void Main::cmdGo_Click() {
    panelNum_ =
        std::make_unique<PanelNum>(platform_.ui, *form_, state_.Panels, [this] { ShowPanel(); });
}

void Main::KeyPress(char16_t& key) {
    if (key == 27) HideMainWindow();
}

// ---- Window life ----

void Main::HideMainWindow() {
    // A find dialog left on the screen would search a window nobody sees.
    find_.Unload();
    form_->setVisible(false);
    TrayShow_.setVisible(true);
}

void Main::ShowMainWindow() {
    form_->setVisible(true);
    form_->setFocus();
    TrayShow_.setVisible(false);
}

void Main::PanelExit_Click() { form_->unload(); }

void Main::Form_QueryUnload(bool& cancel, UnloadMode mode) {
    if (mode == UnloadMode::FormControlMenu) {
        cancel = true;
        HideMainWindow();
    }
}

void Main::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    SaveSettings(platform_.registry, platform_.programFolder, state_.settings);
    if (options_) options_->Close();
    if (panelNum_) panelNum_->Close();
    help_.Unload();
    find_.Unload();
    tray_.RemoveTrayIcon();
    platform_.ui.quit();
}

void Main::Form_Resize() {
    Form& f = *form_;
    if (f.windowState() == WindowState::Minimized) {
        HideMainWindow();
        f.setWindowState(WindowState::Normal);
        return;
    }
    RectTw outer = f.bounds();
    if (outer.width < kMinWidth || outer.height < kMinHeight) {
        outer.width = std::max(outer.width, kMinWidth);
        outer.height = std::max(outer.height, kMinHeight);
        f.setBounds(outer);
        outer = f.bounds();
    }
    const RectTw client = f.clientArea();
    const double contentWidth = client.width - kContentWidthLoss;
    Content_.setBounds(
        {kContentMargin, kContentMargin, contentWidth, client.height - kContentHeightLoss});
    const double top = client.height - kButtonTopLoss;
    double left = (contentWidth - kButtonRowWidth) / 2 + kContentMargin;
    const std::pair<Button*, double> row[] = {
        {&cmdFirst_, 0}, {&cmdBack_, 480}, {&cmdGo_, 480}, {&cmdNext_, 720}, {&cmdLast_, 480}};
    for (const auto& [button, step] : row) {
        left += step;
        const RectTw b = button->bounds();
        button->setBounds({left, top, b.width, b.height});
    }
    if (f.windowState() == WindowState::Normal) {
        Settings& s = state_.settings;
        s.Left = static_cast<float>(outer.left);
        s.Top = static_cast<float>(outer.top);
        s.Width = static_cast<float>(outer.width);
        s.Height = static_cast<float>(outer.height);
    }
}

// ---- Clipboard capture ----

void Main::ClipTimer_Timer() {
    auto text = monitor_.Poll(form_->visible(), state_.settings.Limit, state_.Panels);
    if (text) Capture(std::move(*text));
}

void Main::Capture(std::u16string text) {
    PanelStore& panels = state_.Panels;
    // With 99 panels the warning has been shown and nothing is stored.
    if (!panels.text(panels.count()).empty() && !AddPanel()) return;
    const Settings& s = state_.settings;
    if (s.ShowMain) ShowMainWindow();
    if (s.PlaySound) platform_.sound.playAsync(s.SoundFile);
    alert_.Start();
    panels.setCurrent(panels.count());
    panels.setText(panels.count(), std::move(text));
    ShowPanel();
}

void Main::TrayClip_Click() {
    Settings& s = state_.settings;
    s.GetClip = !s.GetClip;
    ApplyWatching();
    SaveSettings(platform_.registry, platform_.programFolder, s);
}

void Main::ApplyWatching() {
    const Settings& s = state_.settings;
    // An interval of 0 is taken too: it keeps the timer from ticking.
    ClipTimer_.setInterval(s.ClipRate);
    TrayClip_.setChecked(s.GetClip);
    ClipTimer_.setEnabled(s.GetClip);
    if (s.GetClip) monitor_.RememberCurrent();
    tray_.UpdateTrayIcon();
}

void Main::AlertTimer_Timer() { tray_.ShowPicture(alert_.Tick(tray_.StateIcon())); }

void Main::EditOption_Click() {
    if (options_ && options_->open()) return;
    options_ = std::make_unique<Options>(state_, platform_, *form_, [this] { ApplyWatching(); });
}

void Main::HelpAbout_Click() { help_.HelpAbout_Click(); }

// ---- Conversion ----

void Main::ToolB2G_Click() { ConvertPanel(TraditionalToSimplified); }

void Main::ToolG2B_Click() { ConvertPanel(SimplifiedToTraditional); }

// The whole panel is converted, whatever is selected, as one step that Ctrl+Z takes back; the
// result goes to the box and the store without another copy.
void Main::ConvertPanel(std::u16string (*convert)(std::u16string_view)) {
    PanelStore& panels = state_.Panels;
    std::u16string converted = convert(panels.currentText());
    Content_.replaceAll(converted);
    panels.setText(panels.current(), std::move(converted));
}

}  // namespace pw
