// The Options dialog on real windows: the tab control, the edit boxes' keys, the registry.
#include "PenWickFixture.h"
#include "app/OptionsLayout.h"

namespace e2e {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> RunEntry(HKEY root) {
    wchar_t text[1024];
    DWORD bytes = sizeof text;
    if (RegGetValueW(root, kRunKey, L"PenWick", RRF_RT_REG_SZ, nullptr, text, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

class OptionsDialog : public PenWick {
  protected:
    void SetUp() override {
        PenWick::SetUp();
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"PenWick");
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"PenWick");
    }
    // The visible dialogs of the program.
    std::vector<HWND> Dialogs() {
        std::vector<HWND> found;
        for (HWND w : topWindows(program.pid()))
            if (isVisible(w) && windowText(w) == wide(pw::OptionsFormLayout().caption))
                found.push_back(w);
        return found;
    }
    // Opens the dialog from the main window's menu and finds its controls.
    void Open() {
        Command("EditOption");
        dialog = waitFor([&] { return Dialogs().empty() ? HWND{} : Dialogs().front(); });
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
    bool Checked(std::wstring_view caption) {
        return send(Box(caption), BM_GETCHECK).value_or(0) == BST_CHECKED;
    }
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

TEST_F(OptionsDialog, BothCommandsOpenOneCentredDialogWhoseTabsSwitchPages) {
    Launch();
    Open();
    Command("TrayOption");
    EXPECT_EQ(Dialogs().size(), 1u);

    const RECT r = windowRect(dialog);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    EXPECT_EQ(send(tabs, TCM_GETCURSEL).value_or(-1), 0);
    EXPECT_TRUE(isVisible(Box(L"快速保存所有面板")));
    EXPECT_FALSE(isVisible(Box(L"监视剪贴版")));
    EXPECT_FALSE(isVisible(rate));
    ShowTab(1);
    EXPECT_FALSE(isVisible(Box(L"快速保存所有面板")));
    EXPECT_TRUE(isVisible(Box(L"监视剪贴版")));
    EXPECT_TRUE(isVisible(rate));
}

TEST_F(OptionsDialog, TheNumberBoxesRefuseLettersAndOnlyTheRateTakesCtrlV) {
    Launch();
    Open();
    ShowTab(1);
    ASSERT_TRUE(setClipboardText(L"77"));
    for (HWND box : {rate, limit}) {
        send(box, EM_SETSEL, 0, -1);
        ASSERT_TRUE(typeText(box, L"a5b\x16"));
    }
    EXPECT_EQ(windowText(rate), L"577");
    EXPECT_EQ(windowText(limit), L"5");
}

TEST_F(OptionsDialog, ApplyTakesEffectAndCancelAfterwardsKeepsIt) {
    Launch();
    Open();
    ShowTab(1);
    ClickAndApply(L"监视剪贴版");
    EXPECT_TRUE(poll([&] { return Setting(L"GetClip") == L"False"; }));
    ASSERT_TRUE(post(limit, WM_KEYDOWN, VK_ESCAPE, 0));  // Esc is Cancel
    ASSERT_TRUE(poll([&] { return !isVisible(dialog); }));
    Open();
    ShowTab(1);
    EXPECT_FALSE(Checked(L"监视剪贴版"));
    EXPECT_EQ(Setting(L"GetClip"), L"False");
}

TEST_F(OptionsDialog, StartWithWindowsWritesAndRemovesTheRunEntry) {
    Launch();
    Open();
    ClickAndApply(L"开机时自动运行");
    std::wstring expected = driverDirectory() + L"\\PWick.exe";
    if (expected.find(L' ') != std::wstring::npos) expected = L"\"" + expected + L"\"";
    EXPECT_EQ(RunEntry(HKEY_LOCAL_MACHINE).value_or(L"<none>"), expected);
    ClickAndApply(L"开机时自动运行");
    EXPECT_FALSE(RunEntry(HKEY_LOCAL_MACHINE).has_value());
}

}  // namespace
}  // namespace e2e
