#include "app/Main.h"

#include <algorithm>

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
      tray_(*form_, platform.notifyIcon, state.settings, std::u16string(kProductName), "mnuTray",
            [this] { ShowMainWindow(); }),
      monitor_(platform.clipboard),
      alert_(form_->timer("AlertTimer")),
      saving_(state.Panels, state.settings, form_.get(),
              {platform.ui, platform.files, platform.codePage, platform.fileDialog},
              [this] { ShowPanel(); }),
      help_(platform.ui, platform.shell, platform.programFolder, *form_) {
    content_ = &form_->control("Content");
    state_.Panels.setEditor([this] { return content_->text(); });
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
    f.timer("ClipTimer").Tick = [this] { ClipTimer_Timer(); };
    f.timer("AlertTimer").Tick = [this] { AlertTimer_Timer(); };

    f.control("cmdFirst").Click = [this] { cmdFirst_Click(); };
    f.control("cmdBack").Click = [this] { cmdBack_Click(); };
    f.control("cmdNext").Click = [this] { cmdNext_Click(); };
    f.control("cmdLast").Click = [this] { cmdLast_Click(); };
    f.control("cmdGo").Click = [this] { cmdGo_Click(); };
    content_->Change = [this] { Content_Change(); };

    auto keys = [this](char16_t& key) { KeyPress(key); };
    for (auto name : {"Content", "cmdFirst", "cmdBack", "cmdGo", "cmdNext", "cmdLast"})
        f.control(name).KeyPress = keys;
    f.KeyPress = keys;

    f.QueryUnload = [this](bool& cancel, UnloadMode mode) { Form_QueryUnload(cancel, mode); };
    f.Unload = [this] { Form_Unload(); };
    f.Resize = [this] { Form_Resize(); };
}

bool Main::Form_Initialize() {
    if (!platform_.instance.acquire()) return false;
    state_.Panels.clear();
    form_->setVisible(false);
    LoadSettings(platform_.registry, platform_.programFolder, state_.settings,
                 FirstSaveFolder(platform_.programFolder, platform_.systemFolders));
    form_->menu("TrayClip").setChecked(state_.settings.GetClip);
    form_->setMinimumSize(kMinWidth, kMinHeight);
    PlaceWindow();
    Timer& clip = form_->timer("ClipTimer");
    clip.setEnabled(state_.settings.GetClip);
    clip.setInterval(state_.settings.ClipRate);
    ClearPanels();
    monitor_.RememberCurrent();
    // Started by hand, the window is what the user expects to see; it comes up before the tray
    // icon, the slowest step. The tray's messages wait in the queue until start-up is done.
    ShowMainWindow();
    tray_.AddTrayIcon();
    return true;
}

void Main::PlaceWindow() {
    const Settings& s = state_.settings;
    const RectTw stored{s.Left, s.Top, s.Width, s.Height};
    form_->setBounds(EnsureOnScreen(stored, platform_.ui.monitors()));
    form_->setWindowState(WindowState::Normal);
}

// ---- Panels ----

void Main::ShowPanel() {
    const PanelStore& p = state_.Panels;
    const auto current = NumText(std::int64_t{p.current()});
    const auto count = NumText(std::int64_t{p.count()});
    Control& go = form_->control("cmdGo");
    go.setText(current + u"/" + count);
    content_->setText(p.currentText());
    state_.Panels.markInStep();
    go.setToolTip(u"第" + current + u"项，共" + count + u"项");
    if (form_->visible()) content_->setFocus();
    const bool first = p.current() == 1, last = p.current() == p.count();
    form_->control("cmdBack").setEnabled(!first);
    form_->control("cmdFirst").setEnabled(!first);
    form_->control("cmdLast").setEnabled(!last);
    form_->control("cmdNext").setEnabled(!last);
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
void Main::EditAll_Click() { content_->select(0, std::u16string::npos); }

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
    form_->setEnabled(false);
    panelNum_ =
        std::make_unique<PanelNum>(platform_.ui, *form_, state_.Panels, [this] { ShowPanel(); });
}

void Main::KeyPress(char16_t& key) {
    if (key == 27) HideMainWindow();
}

// ---- Window life ----

void Main::HideMainWindow() {
    form_->setVisible(false);
    form_->menu("TrayShow").setVisible(true);
}

void Main::ShowMainWindow() {
    form_->setVisible(true);
    form_->setFocus();
    form_->menu("TrayShow").setVisible(false);
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
    if (options_ && options_->open()) options_->form().unload();
    if (panelNum_) panelNum_->Close();
    form_->setEnabled(true);
    help_.Unload();
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
    content_->setBounds(
        {kContentMargin, kContentMargin, contentWidth, client.height - kContentHeightLoss});
    const double top = client.height - kButtonTopLoss;
    double left = (contentWidth - kButtonRowWidth) / 2 + kContentMargin;
    const std::pair<const char*, double> row[] = {
        {"cmdFirst", 0}, {"cmdBack", 480}, {"cmdGo", 480}, {"cmdNext", 720}, {"cmdLast", 480}};
    for (const auto& [name, step] : row) {
        left += step;
        Control& button = f.control(name);
        RectTw b = button.bounds();
        button.setBounds({left, top, b.width, b.height});
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
    form_->menu("TrayClip").setChecked(s.GetClip);
    form_->timer("ClipTimer").setEnabled(s.GetClip);
    if (s.GetClip) monitor_.RememberCurrent();
    tray_.UpdateTrayIcon();
    SaveSettings(platform_.registry, platform_.programFolder, s);
}

void Main::AlertTimer_Timer() { tray_.ShowPicture(alert_.Tick(tray_.StateIcon())); }

void Main::EditOption_Click() {
    if (options_ && options_->open()) return;
    options_ =
        std::make_unique<Options>(state_, platform_, Options::MainParts{*form_, monitor_, tray_});
}

void Main::HelpAbout_Click() { help_.HelpAbout_Click(); }

// ---- Conversion ----

void Main::ToolB2G_Click() { ConvertPanel(TraditionalToSimplified); }

void Main::ToolG2B_Click() { ConvertPanel(SimplifiedToTraditional); }

// The whole panel is converted, whatever is selected; the result goes to the box and the
// store without another copy.
void Main::ConvertPanel(std::u16string (*convert)(std::u16string_view)) {
    PanelStore& panels = state_.Panels;
    std::u16string converted = convert(panels.currentText());
    content_->setText(converted);
    panels.setText(panels.current(), std::move(converted));
}

}  // namespace pw
