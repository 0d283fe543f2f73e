#include "app/MainLayout.h"

namespace pw {

namespace {

constexpr std::uint16_t kVkDelete = 0x2E, kVkF1 = 0x70, kVkF2 = 0x71, kVkF3 = 0x72, kVkF5 = 0x74,
                        kVkF6 = 0x75;

constexpr Shortcut Ctrl(char key) { return {static_cast<std::uint16_t>(key), true, false}; }
constexpr Shortcut Key(std::uint16_t key) { return {key, false, false}; }

constexpr ControlLayout kControls[] = {
    {ControlKind::Button, "cmdGo", u"1/1", {2280, 3360, 615, 375}, 1},
    {ControlKind::TextBox,
     "Content",
     u"",
     {120, 120, 4935, 3015},
     0,
     StyleMultiline | StyleScrollBars},
    {ControlKind::Button,
     "cmdFirst",
     u"|<",
     {1320, 3360, 375, 375},
     4,
     StyleDisabled,
     {},
     u"第一个"},
    {ControlKind::Button,
     "cmdLast",
     u">|",
     {3480, 3360, 375, 375},
     5,
     StyleDisabled,
     {},
     u"最后一个"},
    {ControlKind::Button, "cmdNext", u">", {3000, 3360, 375, 375}, 2, StyleDisabled, {}, u"下一个"},
    {ControlKind::Button, "cmdBack", u"<", {1800, 3360, 375, 375}, 3, StyleDisabled, {}, u"上一个"},
};

constexpr MenuLayout kMenus[] = {
    {"mnuPanel", u"面板(&P)", 0},
    {"PanelNew", u"添加(&A)", 1, Ctrl('N')},
    {"PanelSave", u"保存(&S)", 1},
    {"SaveCurrent", u"当前(&C)", 2, Key(kVkF2)},
    {"SaveAll", u"所有(&A)", 2, Ctrl('S')},
    {"PanelDel", u"删除(&D)", 1, {kVkDelete, false, true}},
    {"line1", u"-", 1},
    {"PanelClose", u"关闭窗口(&C)", 1},
    {"PanelExit", u"退出程序(&Q)", 1},
    {"mnuEdit", u"编辑(&E)", 0},
    {"EditAll", u"全选(&A)", 1, Ctrl('A')},
    {"line2", u"-", 1},
    {"EditOption", u"选项(&O)", 1},
    {"line8", u"-", 1},
    {"EditFind", u"查找(&F)...", 1, Ctrl('F')},
    {"EditFindNext", u"查找下一个(&N)", 1, Key(kVkF3)},
    {"mnuGo", u"转到(&G)", 0},
    {"GoFirst", u"第一个(&F)", 1, Ctrl('Q')},
    {"GoBack", u"上一个(&P)", 1, Ctrl('W')},
    {"GoNext", u"下一个(&N)", 1, Ctrl('R')},
    {"GoLast", u"最后一个(&L)", 1, Ctrl('T')},
    {"line5", u"-", 1},
    {"GoGo", u"指定(&G)...", 1, Ctrl('E')},
    {"mnuTool", u"工具(&T)", 0},
    {"ToolB2G", u"Big5=>GB", 1, Key(kVkF5)},
    {"ToolG2B", u"GB=>Big5", 1, Key(kVkF6)},
    {"mnuHelp", u"帮助(&H)", 0},
    {"HelpContent", u"目录(&C)", 1, Key(kVkF1)},
    {"line7", u"-", 1},
    {"HelpWeb", u"Velmora主页(&H)", 1},
    {"HelpMail", u"电子邮件(&E)", 1},
    {"line6", u"-", 1},
    {"HelpReadMe", u"自诉(&R)", 1},
    {"HelpAbout", u"关于(&A)", 1},
    {"mnuTray", u"Tray", 0, {}, true},
    {"TrayShow", u"显示窗口(&S)", 1},
    {"TrayAdd", u"添加面板(&A)", 1},
    {"line3", u"-", 1},
    {"TrayClip", u"监视剪贴版(&C)", 1},
    {"TrayOption", u"选项(&O)", 1},
    {"line4", u"-", 1},
    {"TrayAbout", u"关于(&A)", 1},
    {"TrayQuit", u"退出(&Q)", 1},
};

constexpr TimerLayout kTimers[] = {
    {"AlertTimer", 500, false},
    {"ClipTimer", 1000, true},
};

constexpr FormLayout kMain = {"Main", kMainCaption, 5205, 3870, true, kControls, kMenus, kTimers};

}  // namespace

const FormLayout& MainFormLayout() { return kMain; }

}  // namespace pw
