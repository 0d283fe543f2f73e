#include "app/PanelNumLayout.h"

namespace pw {

namespace {

constexpr ControlLayout kControls[] = {
    {ControlKind::Label, "lblPrompt", u"请输入面板序号：", {240, 300, 1440, 180}, 0},
    {ControlKind::TextBox, "txtNum", u"12", {1680, 240, 345, 270}, 1},
    {.kind = ControlKind::UpDown,
     .name = "UpDown",
     .caption = u"",
     .rect = {2040, 240, 270, 270},
     .tabIndex = 3,
     .buddy = "txtNum"},
    {ControlKind::Label, "lblTotal", u"（共个面板）", {2400, 300, 1080, 180}, 2, StyleAutoSize},
    {ControlKind::Button, "Command1", u"确定", {600, 720, 975, 375}, 4, StyleDefault},
    {ControlKind::Button, "Command2", u"取消", {1920, 720, 975, 375}, 5, StyleCancel},
};

constexpr FormLayout kPanelNum = {"PanelNum", u"选择面板", 3750, 1290, false, kControls, {}, {}};

}  // namespace

const FormLayout& PanelNumFormLayout() { return kPanelNum; }

}  // namespace pw
