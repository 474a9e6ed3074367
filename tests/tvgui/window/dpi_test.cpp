// Windows scale themselves by their own DPI. The program is per-monitor aware (its manifest
// says so), so Windows scales nothing for it; under Wine the DPI is that of the prefix the
// runner picked for TAVRIN_DPI, and these tests pass at every DPI. Wine never sends
// WM_DPICHANGED: the tests send it the way Windows would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "testwindow.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/messagefont.h"
#include "tvgui/layout/line.h"

namespace tavrin::tvgui::test {
namespace {

// A 96-DPI quantity at the DPI, worked out apart from the toolkit.
int atDpi(int pixels, int dpi) {
    return MulDiv(pixels, dpi, 96);
}

int fontHeight(const Font& font) {
    return std::abs(font.height());
}

// The dialog-frame inset of every window's layout, in 96-DPI pixels.
int frameInset() {
    return GetSystemMetricsForDpi(SM_CXDLGFRAME, 96);
}

// Where a control lies in its parent's client area.
RECT placeOf(const TvGui& control) {
    RECT place = control.windowRect();
    MapWindowPoints(nullptr, GetParent(control.hwnd()), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

TEST(DpiWindow, MetricsFontsAndLayoutRulesScaleWithTheWindowsDpi) {
    RecordingWindow window(nullptr, 400, 300);
    const int dpi = window.dpi();
    // The runner names the resolution it set the prefix up with.
    if (const char* prefixDpi = std::getenv("TAVRIN_PREFIX_DPI")) {
        EXPECT_EQ(dpi, std::stoi(prefixDpi));
    }
    ButtonControl button(window, ITEM_ID{1});
    button.setFont(messageFontFor(dpi));
    Line line(DIRECTION::HORIZON);
    line.margin = {10, 0, 0, 0};
    line.addGui(button);
    window.layoutManager()->setRootLayout(&line);
    ASSERT_TRUE(window.setClientSize(window.scale(300), window.scale(200)));

    const Font& base = messageFontFor(96);
    const struct {
        const char* what;
        int actual;
        int at96;
    } lengths[] = {
        {"message font height", fontHeight(messageFontFor(dpi)), fontHeight(base)},
        {"menu font height", fontHeight(Font(Font::SYSTEM::MENU, dpi)),
         fontHeight(Font(Font::SYSTEM::MENU, 96))},
        {"text height", button.textHeight(), base.pixelHeight(96)},
        {"layout margin and frame", placeOf(button).left, 10 + frameInset()},
        {"fixed cell", placeOf(button).right - placeOf(button).left, Line::APPENDED_SIZE},
        {"small icon", window.scale(16), 16},
    };
    for (const auto& length : lengths) {
        // Lengths that pass through whole points or several rounded terms may be one pixel
        // off the straight product.
        EXPECT_NEAR(length.actual, atDpi(length.at96, dpi), 1) << length.what << " at " << dpi;
    }
    // The edges come from the system at the window's DPI (Wine keeps them at 2 pixels).
    EXPECT_EQ(button.lineHeight(),
              button.textHeight() + 2 * GetSystemMetricsForDpi(SM_CYEDGE, static_cast<UINT>(dpi)));
    window.layoutManager()->setRootLayout(nullptr);
}

TEST(DpiWindow, ADpiChangeTakesTheSuggestedRectangleRedressesAndLaysOutAgain) {
    RecordingWindow window(nullptr, 400, 300);
    ButtonControl dressed(window, ITEM_ID{1});
    dressed.setFont(messageFontFor(window.dpi()));
    // A font of the control's own is its owner's to size, and stays.
    const Font own(Font::SYSTEM::MESSAGE);
    ButtonControl ownFont(window, ITEM_ID{2});
    ownFont.setFont(own);
    Line line(DIRECTION::HORIZON);
    line.margin = {10, 0, 0, 0};
    line.addGui(dressed);
    window.layoutManager()->setRootLayout(&line);

    const struct {
        int dpi;
        RECT suggested;
    } changes[] = {{144, {60, 70, 660, 520}}, {96, {30, 40, 430, 340}}, {144, {0, 0, 600, 450}}};
    for (const auto& change : changes) {
        SCOPED_TRACE(change.dpi);
        SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(change.dpi, change.dpi),
                     reinterpret_cast<LPARAM>(&change.suggested));
        const RECT now = window.windowRect();
        EXPECT_TRUE(EqualRect(&now, &change.suggested));
        EXPECT_EQ(dressed.font()->get(), messageFontFor(change.dpi).get());
        EXPECT_EQ(ownFont.font()->get(), own.get());
        EXPECT_EQ(placeOf(dressed).left, atDpi(10, change.dpi) + atDpi(frameInset(), change.dpi));
        EXPECT_EQ(placeOf(dressed).right - placeOf(dressed).left,
                  atDpi(Line::APPENDED_SIZE, change.dpi));
    }
    EXPECT_GT(fontHeight(messageFontFor(144)), fontHeight(messageFontFor(96)));

    // A sender that proposes no rectangle leaves the window where it is.
    const RECT before = window.windowRect();
    SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96), 0);
    const RECT after = window.windowRect();
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(dressed.font()->get(), messageFontFor(96).get());
    window.layoutManager()->setRootLayout(nullptr);
}

} // namespace
} // namespace tavrin::tvgui::test
