// Finding across the panels on the real window: the keys, paging to the match with the match
// selected and scrolled into view, and the real message box of a miss.
#include "Harness.h"
#include "app/FindDialog.h"

namespace e2e {
namespace {

using Finding = PenWick;

TEST_F(Finding, CtrlFAndF3FindTraditionalAndSimplifiedAlikeAcrossPanelsAndAMissIsReported) {
    Launch();
    std::wstring lines;
    for (int i = 0; i < 200; ++i) lines += L"无\r\n";
    const std::wstring panels[] = {L"剪头发" + lines, L"无", lines + L"長頭髮了"};
    for (const std::wstring& text : panels) {
        if (&text != panels) Command("PanelNew");
        ASSERT_TRUE(setClipboardText(text));
        ASSERT_TRUE(send(content, WM_PASTE));
    }
    Command("GoFirst");
    send(content, EM_SETSEL, 1, 3);
    ASSERT_TRUE(press(main, 'F', true));
    HWND dialog = program->waitForWindow(wide(pw::FindFormLayout().caption));
    ASSERT_TRUE(dialog);
    HWND box = child(dialog, L"Edit");
    EXPECT_EQ(windowText(box), L"头发");

    // Enter in the dialog pages to the last panel, F3 in the main window wraps to the first.
    const auto match = [&](LRESULT start) {
        return poll([&] {
            return send(content, EM_GETSEL) == MAKELRESULT(start, start + 2) &&
                   (send(content, EM_GETFIRSTVISIBLELINE) > 0) == (start > 1);
        });
    };
    ASSERT_TRUE(press(dialog, VK_RETURN));
    EXPECT_TRUE(WaitPosition(L"3/3"));
    EXPECT_TRUE(match(lines.size() + 1));
    ASSERT_TRUE(press(main, VK_F3));
    EXPECT_TRUE(WaitPosition(L"1/3"));
    EXPECT_TRUE(match(1));

    send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"没有"));
    ASSERT_TRUE(post(child(dialog, L"Button", L"查找下一个(&F)"), BM_CLICK));
    HWND miss = WaitForBox();
    EXPECT_EQ(messageText(miss), L"找不到“没有”");
    EXPECT_TRUE(answer(miss, IDOK));
    EXPECT_EQ(windowText(go), L"1/3");
    EXPECT_TRUE(match(1));
    ASSERT_TRUE(press(dialog, VK_ESCAPE));
    EXPECT_TRUE(poll([&] { return !IsWindow(dialog); }));
}

}  // namespace
}  // namespace e2e
