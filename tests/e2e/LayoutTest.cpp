// The main window's layout in pixels and its tool tips, at whatever DPI the prefix runs (PW_DPI,
// default 96).
#include <cstdlib>

#include "Harness.h"

namespace e2e {
namespace {

using Layout = PenWick;

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
    struct Place {
        HWND control;
        double left, top, width, height;  // twips
        const wchar_t* tip;
    };
    const Place places[] = {
        {content, 120, 120, contentWidth, height - 840, nullptr},
        {first, row, top, 375, 375, L"第一个"},
        {back, row + 480, top, 375, 375, L"上一个"},
        {go, row + 960, top, 615, 375, L"第1项，共1项"},
        {next, row + 1680, top, 375, 375, L"下一个"},
        {last, row + 2160, top, 375, 375, L"最后一个"},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(&p - places);
        RECT r = windowRect(p.control);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_NEAR(r.left, px(p.left), 1);
        EXPECT_NEAR(r.top, px(p.top), 1);
        EXPECT_NEAR(r.right - r.left, px(p.width), 1);
        EXPECT_NEAR(r.bottom - r.top, px(p.height), 1);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right &&
                    r.bottom <= client.bottom);
        if (p.tip) {
            EXPECT_EQ(tooltipTextFor(program, p.control).value_or(L"<none>"), p.tip);
        }
    }
    // Every refresh updates the one tip of the position button rather than adding another.
    const int tools = tooltipToolCount(program);
    Command("PanelNew");
    Command("PanelNew");
    ASSERT_TRUE(click(back));
    ASSERT_TRUE(WaitPosition(L"2/3"));
    EXPECT_EQ(tooltipTextFor(program, go).value_or(L"<none>"), L"第2项，共3项");
    EXPECT_EQ(tooltipToolCount(program), tools);
}

}  // namespace
}  // namespace e2e
