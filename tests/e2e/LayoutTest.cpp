// The main window's layout in pixels and its tool tips, at whatever DPI the prefix runs (PW_DPI,
// default 96).
#include <cstdlib>
#include <tuple>

#include "Harness.h"

namespace e2e {
namespace {

using Layout = PenWick;

// Whether this tip shows when the pointer rests on the control, as its tooltip window holds it.
// Like any window, a disabled button gets no mouse messages and shows no tip.
bool ShowsTip(const Program& program, HWND control, std::wstring_view tip) {
    RECT r = windowRect(control);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const HWND tips = program.windows(TOOLTIPS_CLASSW).at(0);
    return poll([&] { return IsWindowVisible(tips) && windowText(tips) == tip; });
}

TEST_F(Layout, TheControlsSitInsideTheClientAreaAtTheirPlacesWithTheirTips) {
    // Only a DPI-aware reader sees the program's own pixels.
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    Launch();
    const char* prefixDpi = std::getenv("PW_DPI");
    const unsigned dpi = prefixDpi && *prefixDpi ? std::strtoul(prefixDpi, nullptr, 10) : 96;
    ASSERT_EQ(GetDpiForWindow(main), dpi);
    const auto px = [dpi](double twips) { return twips * dpi / 1440; };

    // The first start's frame: 5325 x 4560 twips. Inside, the window lays itself out from its
    // client area, whatever its frame and menu bar take at this DPI.
    const RECT outer = windowRect(main);
    EXPECT_NEAR(outer.right - outer.left, px(5325), 1);
    EXPECT_NEAR(outer.bottom - outer.top, px(4560), 1);
    RECT client{};
    ASSERT_TRUE(GetClientRect(main, &client));
    const double width = client.right * 1440.0 / dpi, height = client.bottom * 1440.0 / dpi;
    const double contentWidth = width - 240, row = (contentWidth - 2535) / 2 + 120;
    const double top = height - 495;
    // Control, left, top, width and height in twips, and its tip.
    const std::tuple<HWND, double, double, double, double, const wchar_t*> places[] = {
        {content, 120, 120, contentWidth, height - 840, L""},
        {child(main, L"Button", L"|<"), row, top, 375, 375, L"第一个"},
        {child(main, L"Button", L"<"), row + 480, top, 375, 375, L"上一个"},
        {go, row + 960, top, 615, 375, L"第2项，共3项"},
        {child(main, L"Button", L">"), row + 1680, top, 375, 375, L"下一个"},
        {child(main, L"Button", L">|"), row + 2160, top, 375, 375, L"最后一个"},
    };
    for (const auto& [control, x, y, cx, cy, tip] : places) {
        SCOPED_TRACE(windowText(control));
        RECT r = windowRect(control);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_NEAR(r.left, px(x), 1);
        EXPECT_NEAR(r.top, px(y), 1);
        EXPECT_NEAR(r.right - r.left, px(cx), 1);
        EXPECT_NEAR(r.bottom - r.top, px(cy), 1);
    }
    // On the middle one of three panels every button is enabled. Every refresh updates the one
    // tip of the position button rather than adding another.
    // The tips are made once the window has shown.
    ASSERT_TRUE(poll([&] { return !program->windows(TOOLTIPS_CLASSW).empty(); }));
    const HWND tips = program->windows(TOOLTIPS_CLASSW).at(0);
    const auto before = send(tips, TTM_GETTOOLCOUNT);
    Command("PanelNew");
    Command("PanelNew");
    ASSERT_TRUE(post(std::get<0>(places[2]), BM_CLICK));  // cmdBack
    ASSERT_TRUE(WaitPosition(L"2/3"));
    EXPECT_EQ(send(tips, TTM_GETTOOLCOUNT), before);
    for (const auto& [control, x, y, cx, cy, tip] : places) {
        if (!*tip) continue;
        EXPECT_TRUE(ShowsTip(*program, control, tip)) << tip;
    }
}

// The paging buttons read what they do, the position button the position, through the
// accessibility interfaces as a screen reader asks.
TEST_F(Layout, ThePagingButtonsHaveNamesForAScreenReader) {
    CoInitialize(nullptr);
    Launch();
    Command("PanelNew");
    ASSERT_TRUE(WaitPosition(L"2/2"));
    EXPECT_EQ(AccessibleName(child(main, L"Button", L"|<")), L"第一个");
    EXPECT_EQ(AccessibleName(child(main, L"Button", L"<")), L"上一个");
    EXPECT_EQ(AccessibleName(go), L"第2项，共2项");
    CoUninitialize();
}

}  // namespace
}  // namespace e2e
