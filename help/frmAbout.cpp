#include "help/frmAbout.h"

#include <cmath>

#include "settings/NumberText.h"

namespace pw {

namespace {

constexpr Color kBlack = Rgb(0, 0, 0), kLinkBlue = Rgb(0, 0, 255);

const std::u16string kMailCaption = u"e-mail:" + std::u16string(kMailAddress);

const ControlLayout kControls[] = {
    {.kind = ControlKind::Button,
     .name = "cmdOK",
     .caption = u"确定",
     .rect = {3960, 2280, 900, 345},
     .tabIndex = 0,
     .style = StyleDefault | StyleCancel},
    {.kind = ControlKind::Image,
     .name = "picIcon",
     .caption = u"",
     .rect = {240, 120, 480, 480},
     .tabIndex = -1},
    {.kind = ControlKind::Label,
     .name = "lblTitle",
     .caption = kProductName,
     .rect = {960, 120, 2625, 525},
     .tabIndex = -1,
     .style = StyleAutoSize,
     .font = {u"黑体", 26.25},
     .foreColor = kBlack},
    {.kind = ControlKind::Label,
     .name = "lblVersion",
     .caption = u"版本：1.10，第次编译",
     .rect = {960, 780, 1800, 180},
     .tabIndex = -1,
     .style = StyleAutoSize},
    {.kind = ControlKind::Label,
     .name = "lblMail",
     .caption = kMailCaption,
     .rect = {960, 1125, 1890, 180},
     .tabIndex = -1,
     .style = StyleAutoSize | StyleHandCursor,
     .foreColor = kBlack},
    {.kind = ControlKind::Label,
     .name = "lblHttp",
     .caption = kHomePage,
     .rect = {960, 1440, 1980, 180},
     .tabIndex = -1,
     .style = StyleAutoSize | StyleHandCursor},
    // An etched separator: a grey line with a white one just under it.
    {.kind = ControlKind::Line,
     .name = "Line1(1)",
     .caption = u"",
     .rect = {90, 1906, 4830, 15},
     .tabIndex = -1,
     .foreColor = Rgb(128, 128, 128)},
    {.kind = ControlKind::Line,
     .name = "Line1(0)",
     .caption = u"",
     .rect = {105, 1920, 4815, 30},
     .tabIndex = -1,
     .foreColor = Rgb(255, 255, 255)},
    {.kind = ControlKind::Label,
     .name = "lblDisclaimer",
     .caption = u"版权所有 (C) Velmora。本软件按“原样”提供，不附带任何担保；"
                u"因使用本软件造成的损失，作者概不负责。",
     .rect = {255, 2160, 3510, 825},
     .tabIndex = -1,
     .foreColor = kBlack},
};

constexpr FormLayout kAbout = {"frmAbout", u"关于PenWick", 5205, 3150, false, kControls, {}, {}};

// Controls whose mouse movements count as being off both links.
constexpr const char* kPlainAreas[] = {"picIcon", "lblTitle", "lblVersion", "lblDisclaimer",
                                       "cmdOK"};

void ShowLink(Control& link, bool hot) {
    link.setUnderline(hot);
    link.setForeColor(hot ? kLinkBlue : kBlack);
}

}  // namespace

std::u16string VersionLabel(const ProgramVersion& version) {
    auto text = [](int n) { return NumText(std::int64_t{n}); };
    std::u16string minor = text(version.minor);
    if (minor.size() < 2) minor.insert(0, 2 - minor.size(), u'0');
    return u"版本：" + text(version.major) + u"." + minor + u"，第" + text(version.revision) +
           u"次编译";
}

const FormLayout& AboutFormLayout() { return kAbout; }

frmAbout::frmAbout(Ui& ui, const Velmora& velmora, Form& main, const ProgramVersion& version)
    : ui_(ui),
      velmora_(velmora),
      main_(main),
      version_(version),
      form_(ui.createForm(kAbout)),
      lblMail_(form_->control("lblMail")),
      lblHttp_(form_->control("lblHttp")) {
    WireEvents();
}

void frmAbout::WireEvents() {
    Form& f = *form_;
    f.control("cmdOK").Click = [this] { cmdOK_Click(); };
    lblHttp_.Click = [this] { velmora_.OpenWebPage(form_.get()); };
    lblMail_.Click = [this] { velmora_.OpenMail(form_.get()); };
    lblMail_.MouseMove = [this] { Hover(&lblMail_); };
    lblHttp_.MouseMove = [this] { Hover(&lblHttp_); };
    for (const char* name : kPlainAreas) f.control(name).MouseMove = [this] { Hover(nullptr); };
    f.MouseMove = [this] { Hover(nullptr); };
    f.QueryUnload = [this](bool& cancel, UnloadMode mode) { Form_QueryUnload(cancel, mode); };
    f.Unload = [this] { unloaded_ = true; };
}

void frmAbout::Form_Load() {
    loaded_ = true;
    form_->setVisible(true);
    Centre();
    form_->control("lblVersion").setText(VersionLabel(version_));
}

void frmAbout::Centre() {
    const auto screens = ui_.monitors();
    if (screens.empty()) return;
    const RectTw& screen = screens.front();
    RectTw r = form_->bounds();
    r.left = screen.left + std::trunc((screen.width - r.width) / 2);
    r.top = screen.top + std::trunc((screen.height - r.height) / 2);
    form_->setBounds(r);
}

// Both links are set in full on every movement inside the dialog, first the mail, then the
// home page: only the one under the pointer is blue and underlined.
void frmAbout::Hover(const Control* over) {
    ShowLink(lblMail_, over == &lblMail_);
    ShowLink(lblHttp_, over == &lblHttp_);
}

void frmAbout::cmdOK_Click() {
    form_->unload();
    if (main_.visible()) main_.setFocus();
}

// The frame's close box closes the way OK does; the program's own unload at exit adds nothing.
void frmAbout::Form_QueryUnload(bool& cancel, UnloadMode mode) {
    if (mode != UnloadMode::FormControlMenu) return;
    cancel = true;
    cmdOK_Click();
}

}  // namespace pw
