// The main window's layout in pixels, at whatever DPI the prefix runs (PW_DPI, default 96).
#include <cstdlib>

#include "PenWickFixture.h"

namespace e2e {
namespace {

using Layout = PenWick;

unsigned PrefixDpi() {
    const char* dpi = std::getenv("PW_DPI");
    return dpi && *dpi ? static_cast<unsigned>(std::strtoul(dpi, nullptr, 10)) : 96;
}

TEST_F(Layout, TheTextBoxAndTheButtonsSitInsideTheClientAreaAtTheirPlaces) {
    // Only a DPI-aware reader sees the program's own pixels.
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    Launch();
    const unsigned dpi = PrefixDpi();
    ASSERT_EQ(GetDpiForWindow(main), dpi);
    const auto px = [dpi](double twips) { return twips * dpi / 1440; };

    // The first start's frame: 5325 x 4560 twips; the window lays itself out from that size.
    const RECT outer = windowRect(main);
    EXPECT_NEAR(outer.right - outer.left, px(5325), 1);
    EXPECT_NEAR(outer.bottom - outer.top, px(4560), 1);
    // Inside, the window lays itself out from its client area, whatever its frame and menu
    // bar take at this DPI.
    RECT client{};
    ASSERT_TRUE(GetClientRect(main, &client));
    const double width = client.right * 1440.0 / dpi, height = client.bottom * 1440.0 / dpi;
    const double contentWidth = width - 240, row = (contentWidth - 2535) / 2 + 120;
    const double top = height - 495;
    struct Place {
        const char* name;
        HWND control;
        double left, top, width, height;  // twips
    };
    const Place places[] = {
        {"Content", content, 120, 120, contentWidth, height - 840},
        {"cmdFirst", first, row, top, 375, 375},
        {"cmdBack", back, row + 480, top, 375, 375},
        {"cmdGo", go, row + 960, top, 615, 375},
        {"cmdNext", next, row + 1680, top, 375, 375},
        {"cmdLast", last, row + 2160, top, 375, 375},
    };
    for (const Place& p : places) {
        RECT r = windowRect(p.control);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        SCOPED_TRACE(p.name);
        EXPECT_NEAR(r.left, px(p.left), 1);
        EXPECT_NEAR(r.top, px(p.top), 1);
        EXPECT_NEAR(r.right - r.left, px(p.width), 1);
        EXPECT_NEAR(r.bottom - r.top, px(p.height), 1);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right &&
                    r.bottom <= client.bottom);
    }
}

}  // namespace
}  // namespace e2e
