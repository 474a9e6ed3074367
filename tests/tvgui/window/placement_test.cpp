// Panels over real windows under Wine: a control that is gone leaves its panel, the others
// are still placed, and a minimised window keeps its controls where they were.
#include <gtest/gtest.h>

#include <memory>

#include "testwindow.h"
#include "tvgui/layout/line.h"

namespace tavrin::tvgui::test {
namespace {

// Where a control lies in its parent's client area.
RECT placeOf(const TvGui& control) {
    RECT place = control.windowRect();
    MapWindowPoints(nullptr, GetParent(control.hwnd()), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

TEST(Placement, AControlThatIsGoneLeavesItsPanelAndTheOthersArePlaced) {
    RecordingWindow window;
    auto gone = std::make_unique<ButtonControl>(window, ITEM_ID{1});
    ButtonControl kept(window, ITEM_ID{2});
    Line line(DIRECTION::HORIZON);
    line.addGui(*gone);
    line.addGui(kept);
    window.layoutManager()->setRootLayout(&line);
    gone.reset();
    ASSERT_TRUE(window.setClientSize(260, 120));

    // The manager insets the client area by the frame metrics, and its far edges once more.
    const int cx = GetSystemMetrics(SM_CXDLGFRAME);
    const int cy = GetSystemMetrics(SM_CYDLGFRAME);
    const RECT place = placeOf(kept);
    EXPECT_EQ(place.left, cx + 40);
    EXPECT_EQ(place.right, cx + 80);
    EXPECT_EQ(place.top, cy);
    EXPECT_EQ(place.bottom, 120 - 2 * cy);
}

TEST(Placement, AMinimisedWindowLeavesItsControlsWhereTheyWere) {
    RecordingWindow window;
    ButtonControl button(window, ITEM_ID{1});
    Line line(DIRECTION::HORIZON);
    line.addGui(button);
    line.sizeAt(0).setAbsolute(-1);
    window.layoutManager()->setRootLayout(&line);
    window.show(SHOW::SHOWNORMAL);
    ASSERT_TRUE(window.setClientSize(260, 120));
    const RECT before = placeOf(button);

    window.minimize();
    ASSERT_TRUE(window.isMinimized());
    const RECT minimised = placeOf(button);
    EXPECT_TRUE(EqualRect(&minimised, &before));
    window.restore();
    const RECT restored = placeOf(button);
    EXPECT_TRUE(EqualRect(&restored, &before));
}

} // namespace
} // namespace tavrin::tvgui::test
