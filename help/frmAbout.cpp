#include "help/frmAbout.h"

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
    {.kind = ControlKind::Link,
     .name = "lblMail",
     .caption = kMailCaption,
     .rect = {960, 1125, 1890, 180},
     .tabIndex = -1,
     .style = StyleAutoSize,
     .foreColor = kBlack},
    {.kind = ControlKind::Link,
     .name = "lblHttp",
     .caption = kHomePage,
     .rect = {960, 1440, 1980, 180},
     .tabIndex = -1,
     .style = StyleAutoSize},
    // An etched separator: a grey line with a white one just under it.
    {.kind = ControlKind::Line,
     .name = "linShadow",
     .caption = u"",
     .rect = {90, 1906, 4830, 15},
     .tabIndex = -1,
     .foreColor = Rgb(128, 128, 128)},
    {.kind = ControlKind::Line,
     .name = "linLight",
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

void ShowLink(Link& link, bool hot) {
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
    : DialogForm(ui, kAbout, main, "cmdOK", Modality::Modeless),
      velmora_(velmora),
      version_(version),
      cmdOK_(form_->button("cmdOK")),
      lblVersion_(form_->label("lblVersion")),
      lblMail_(form_->link("lblMail")),
      lblHttp_(form_->link("lblHttp")) {
    WireEvents();
    Open();
}

void frmAbout::WireEvents() {
    cmdOK_.Click = [this] { cmdOK_Click(); };
    lblHttp_.Click = [this] { velmora_.OpenWebPage(form_.get()); };
    lblMail_.Click = [this] { velmora_.OpenMail(form_.get()); };
    lblMail_.MouseMove = [this] { Hover(&lblMail_); };
    lblHttp_.MouseMove = [this] { Hover(&lblHttp_); };
    for (const char* name : kPlainAreas)
        form_->control(name).MouseMove = [this] { Hover(nullptr); };
    form_->MouseMove = [this] { Hover(nullptr); };
}

void frmAbout::Form_Load() { lblVersion_.setText(VersionLabel(version_)); }

// Both links are set in full on every movement inside the dialog, first the mail, then the
// home page: only the one under the pointer is blue and underlined.
void frmAbout::Hover(const Link* over) {
    ShowLink(lblMail_, over == &lblMail_);
    ShowLink(lblHttp_, over == &lblHttp_);
}

// The close box and the frame close the way OK does.
void frmAbout::cmdOK_Click() { Dismiss(); }

}  // namespace pw
