// The Options dialog on real windows: the tab control, the edit boxes' keys, the registry.
#include "PenWickFixture.h"
#include "app/OptionsLayout.h"

namespace e2e {
namespace {

const std::wstring_view kOptionsCaption = wide(pw::OptionsFormLayout().caption);
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class OptionsDialog : public PenWick {
  protected:
    void SetUp() override {
        PenWick::SetUp();
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"PenWick");
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"PenWick");
    }
    // Opens the dialog from the main window's menu and finds its controls.
    void Open() {
        Command("EditOption");
        dialog = WaitForCaption(kOptionsCaption);
        ASSERT_TRUE(dialog);
        tabs = findChild(dialog, WC_TABCONTROLW);
        rate = Child(L"Edit", L"1000");
        limit = Child(L"Edit", L"0");
        apply = Box(L"应用");
        ASSERT_TRUE(tabs && rate && limit && apply);
    }
    HWND Child(const wchar_t* className, std::wstring_view text) {
        for (HWND w = nullptr; (w = FindWindowExW(dialog, w, className, nullptr));)
            if (windowText(w) == text) return w;
        return nullptr;
    }
    HWND Box(std::wstring_view caption) { return Child(L"Button", caption); }
    void ShowTab(int index) {
        send(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(index));
        ASSERT_TRUE(poll([&] { return send(tabs, TCM_GETCURSEL).value_or(-1) == index; }));
    }
    void ClickAndApply(std::wstring_view box) {
        ASSERT_TRUE(click(Box(box)));
        ASSERT_TRUE(poll([&] { return isEnabled(apply); }));
        ASSERT_TRUE(click(apply));
        ASSERT_TRUE(poll([&] { return !isEnabled(apply); }));
    }
    HWND dialog = nullptr, tabs = nullptr, rate = nullptr, limit = nullptr, apply = nullptr;
};

TEST_F(OptionsDialog, OneCentredDialogItsTabsNumberBoxesApplyAndTheRunEntry) {
    Launch();
    Open();
    Command("TrayOption");
    int open = 0;
    for (HWND w : topWindows(program.pid()))
        open += isVisible(w) && windowText(w) == kOptionsCaption;
    EXPECT_EQ(open, 1);
    const RECT r = windowRect(dialog);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    EXPECT_TRUE(isVisible(Box(L"快速保存所有面板")) && !isVisible(rate));
    ShowTab(1);
    EXPECT_TRUE(!isVisible(Box(L"快速保存所有面板")) && isVisible(rate));

    // Applied, a change stays when the dialog is then cancelled with Esc.
    ClickAndApply(L"监视剪贴版");
    EXPECT_TRUE(poll([&] { return Setting(L"GetClip") == L"False"; }));
    ASSERT_TRUE(post(limit, WM_KEYDOWN, VK_ESCAPE, 0));
    ASSERT_TRUE(poll([&] { return !isVisible(dialog); }));
    Open();
    ShowTab(1);
    EXPECT_EQ(send(Box(L"监视剪贴版"), BM_GETCHECK).value_or(-1), BST_UNCHECKED);
    // The number boxes refuse letters; only the rate takes Ctrl+V.
    ASSERT_TRUE(setClipboardText(L"77"));
    for (HWND box : {rate, limit}) {
        send(box, EM_SETSEL, 0, -1);
        ASSERT_TRUE(typeText(box, L"a5b\x16"));
    }
    EXPECT_EQ(windowText(rate), L"577");
    EXPECT_EQ(windowText(limit), L"5");

    ShowTab(0);
    ClickAndApply(L"开机时自动运行");
    std::wstring expected = driverDirectory() + L"\\PWick.exe";
    if (expected.find(L' ') != std::wstring::npos) expected = L"\"" + expected + L"\"";
    EXPECT_EQ(regReadString(HKEY_LOCAL_MACHINE, L"PenWick", kRunKey).value_or(L"<none>"), expected);
    ClickAndApply(L"开机时自动运行");
    EXPECT_FALSE(regReadString(HKEY_LOCAL_MACHINE, L"PenWick", kRunKey).has_value());
}

}  // namespace
}  // namespace e2e
