#include "app/OptionsLayout.h"

namespace pw {

namespace {

constexpr auto kLabel = ControlKind::Label, kText = ControlKind::TextBox,
               kButton = ControlKind::Button, kCheck = ControlKind::CheckBox,
               kFrame = ControlKind::Frame;

// Positions are relative to the container; a tab page spans its whole tab control.
constexpr ControlLayout kControls[] = {
    {ControlKind::Tab, "SSTab1", u"", {240, 240, 3405, 2895}, 0},
    {ControlKind::TabPage, "tabMisc", u"杂项", {0, 0, 3405, 2895}, -1, StyleNone, "SSTab1"},
    {ControlKind::TabPage, "tabClip", u"剪贴版", {0, 0, 3405, 2895}, -1, StyleNone, "SSTab1"},
    {kButton, "OK", u"确定", {1200, 3360, 735, 375}, 1, StyleDefault},
    {kButton, "Cancel", u"取消", {2040, 3360, 735, 375}, 2, StyleCancel},
    {kButton, "Apply", u"应用", {2880, 3360, 735, 375}, 3},
    {kFrame, "fraSaveMode", u"保存方式", {240, 480, 2535, 1335}, 12, StyleNone, "tabMisc"},
    {kCheck,
     "chkQuickSave",
     u"快速保存所有面板",
     {120, 240, 1935, 180},
     14,
     StyleNone,
     "fraSaveMode"},
    {kCheck, "chkAddSave", u"追加保存", {120, 600, 1815, 180}, 13, StyleNone, "fraSaveMode"},
    {kCheck, "chkDelSaved", u"保存后删除面板", {120, 960, 1815, 180}, 20, StyleNone, "fraSaveMode"},
    {kFrame, "fraSystem", u"系统", {240, 2040, 2535, 615}, 15, StyleNone, "tabMisc"},
    {kCheck, "AutoRun", u"开机时自动运行", {120, 240, 1575, 180}, 16, StyleNone, "fraSystem"},
    {kCheck, "chkLookClip", u"监视剪贴版", {240, 480, 2895, 255}, 5, StyleNone, "tabClip"},
    {kLabel, "lblRate", u"刷新频率：", {480, 840, 900, 180}, 7, StyleNone, "tabClip"},
    {kText, "txtRate", u"1000", {1440, 795, 495, 270}, 4, StyleNone, "tabClip"},
    {kLabel, "lblRateUnit", u"毫秒", {2040, 840, 360, 180}, 6, StyleNone, "tabClip"},
    {kLabel, "lblLimit", u"只记录长度大于", {480, 1240, 1260, 180}, 17, StyleNone, "tabClip"},
    {kText, "txtLimit", u"", {1800, 1200, 495, 270}, 18, StyleNone, "tabClip"},
    {kLabel, "lblLimitUnit", u"的文本", {2400, 1240, 540, 180}, 19, StyleNone, "tabClip"},
    {kFrame, "fraOnCapture", u"添加时：", {240, 1560, 2895, 1095}, 8, StyleNone, "tabClip"},
    {kCheck, "chkPlaySound", u"播放声音", {120, 240, 2055, 180}, 9, StyleNone, "fraOnCapture"},
    {kButton, "sndFile", u"", {120, 480, 2655, 255}, 10, StyleNone, "fraOnCapture"},
    {kCheck, "chkShowMain", u"显示主窗口", {120, 840, 2655, 180}, 11, StyleNone, "fraOnCapture"},
};

constexpr FormLayout kOptions = {"Options", u"选项", 3900, 3870, false, kControls, {}, {}};

}  // namespace

const FormLayout& OptionsFormLayout() { return kOptions; }

}  // namespace pw
