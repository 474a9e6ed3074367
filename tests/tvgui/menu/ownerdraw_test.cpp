#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "image/icon.h"
#include "ownerwindow.h"
#include "pumpmessages.h"
#include "system/unicode.h"
#include "tvgui/draw/canvas.h"
#include "tvgui/menu/ownerdrawmenu.h"

namespace tavrin::tvgui {
namespace {

using image::ICONSIZE;

constexpr RECT OWNER_FRAME{100, 100, 300, 180};
constexpr char TEXT[] = "メモ帳で開く";

MENUITEM ownerDrawn(UINT id) {
    MENUITEM item;
    item.info.fMask = bits(MENUITEM::MASK::ID, MENUITEM::MASK::TYPE, MENUITEM::MASK::STATE);
    item.info.fType = bits(MENUITEM::TYPE::OWNERDRAW);
    item.info.wID = id;
    return item;
}

image::Icon applicationIcon() {
    return image::Icon(LoadIconW(nullptr, IDI_APPLICATION), false);
}

// The text's width in the menu font, measured straight from the system.
int menuTextWidth(HWND window, const std::string& text) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HDC dc = GetDC(window);
    HGDIOBJ before = SelectObject(dc, font);
    const std::wstring wide = system::toWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(window, dc);
    DeleteObject(font);
    return size.cx;
}

// Items are as wide as icon, edges and text together, and never lower than the icon with its
// edges nor than a menu line; items that are not the menu's are left to others.
TEST(OwnerDrawMenuTest, MeasuresIconEdgesAndText) {
    test::OwnerWindow owner(OWNER_FRAME);
    for (const ICONSIZE size : {ICONSIZE::SMALL, ICONSIZE::LARGE}) {
        OwnerDrawMenu menu;
        menu.iconSize(size);
        ASSERT_TRUE(menu.insertDrawn(ownerDrawn(7), {TEXT, applicationIcon()}));
        const int pixels = image::pixelSize(size);
        MEASUREITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = 7;
        ASSERT_TRUE(menu.measure(owner.get(), item));
        EXPECT_EQ(static_cast<int>(item.itemWidth),
                  pixels + 2 * GetSystemMetrics(SM_CXEDGE) + menuTextWidth(owner.get(), TEXT));
        EXPECT_EQ(static_cast<int>(item.itemHeight),
                  std::max(GetSystemMetrics(SM_CYMENU), pixels + 2 * GetSystemMetrics(SM_CYEDGE)));
        EXPECT_GE(static_cast<int>(item.itemHeight), pixels + 2 * GetSystemMetrics(SM_CYEDGE));

        MEASUREITEMSTRUCT foreign{};
        foreign.itemID = 8;
        EXPECT_FALSE(menu.measure(owner.get(), foreign));
        EXPECT_EQ(foreign.itemWidth, 0u);
        EXPECT_EQ(menu.ids(), std::vector<UINT>{7});
    }
}

// Whether any pixel of the columns [from, to) of the canvas differs from colour.
bool paintedIn(const Canvas& canvas, int from, int to, int height, COLORREF colour) {
    for (int x = from; x < to; ++x) {
        for (int y = 0; y < height; ++y) {
            if (GetPixel(canvas.get(), x, y) != colour) {
                return true;
            }
        }
    }
    return false;
}

// Each state paints its own background over the whole item; the icon, when there is one,
// fills the icon column, and the text starts after that column with or without an icon.
TEST(OwnerDrawMenuTest, DrawsBackgroundIconAndTextByState) {
    constexpr int WIDTH = 240;
    constexpr int HEIGHT = 40;
    const struct {
        UINT state;
        bool icon;
        int background;
    } rows[]{
        {0, true, COLOR_MENU},
        {0, false, COLOR_MENU},
        {ODS_SELECTED, true, COLOR_HIGHLIGHT},
        {ODS_SELECTED | ODS_DISABLED, false, COLOR_HIGHLIGHT},
        {ODS_DISABLED, true, COLOR_MENU},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.state << (row.icon ? " icon" : ""));
        OwnerDrawMenu menu;
        ASSERT_TRUE(
            menu.insertDrawn(ownerDrawn(3), {TEXT, row.icon ? applicationIcon() : image::Icon()}));
        Canvas canvas(SIZE{WIDTH, HEIGHT});
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = 3;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = row.state;
        item.hDC = canvas.get();
        item.rcItem = RECT{0, 0, WIDTH, HEIGHT};
        ASSERT_TRUE(menu.draw(item));

        const COLORREF background = GetSysColor(row.background);
        const int edge = GetSystemMetrics(SM_CXEDGE);
        const int textX = 2 * edge + image::pixelSize(menu.iconSize());
        EXPECT_EQ(GetPixel(canvas.get(), WIDTH - 1, 0), background);
        EXPECT_EQ(GetPixel(canvas.get(), WIDTH - 1, HEIGHT - 1), background);
        EXPECT_FALSE(paintedIn(canvas, 0, edge, HEIGHT, background));
        EXPECT_EQ(paintedIn(canvas, edge, textX, HEIGHT, background), row.icon);
        EXPECT_TRUE(paintedIn(canvas, textX, WIDTH, HEIGHT, background));
        item.itemID = 4;
        EXPECT_FALSE(menu.draw(item));
    }
}

// A menu attached to a window opens one pixel beyond the side asked for and never over the
// window, and its owner-drawn items are measured and painted on the way.
TEST(OwnerDrawMenuTest, AttachedMenuOpensBesideTheWindow) {
    for (const PopUp::ATTACH side : {PopUp::ATTACH::RIGHT, PopUp::ATTACH::BOTTOM}) {
        SCOPED_TRACE(static_cast<int>(side));
        test::OwnerWindow owner(OWNER_FRAME);
        OwnerDrawMenu menu;
        ASSERT_TRUE(menu.insertDrawn(ownerDrawn(1), {TEXT, applicationIcon()}));
        ASSERT_TRUE(menu.insertDrawn(ownerDrawn(2), {"終了", image::Icon()}));
        owner.serve(&menu);
        test::pumpMessages();
        owner.closeMenuSoon();
        EXPECT_EQ(menu.showAttached(PopUp::FLAGS::RETURNCMD, side, owner.get()), 0);
        test::pumpMessages();

        EXPECT_FALSE(owner.failed);
        EXPECT_EQ(owner.measured, 2);
        EXPECT_GE(owner.drawn, 2);
        ASSERT_TRUE(owner.menuFrame.has_value());
        RECT frame{};
        GetWindowRect(owner.get(), &frame);
        const RECT shown = *owner.menuFrame;
        RECT overlap{};
        EXPECT_FALSE(IntersectRect(&overlap, &shown, &frame));
        if (side == PopUp::ATTACH::RIGHT) {
            EXPECT_EQ(shown.left, frame.right + 1);
            EXPECT_EQ(shown.top, frame.top);
        } else {
            EXPECT_EQ(shown.left, frame.left);
            EXPECT_EQ(shown.top, frame.bottom + 1);
        }
    }
}

} // namespace
} // namespace tavrin::tvgui
