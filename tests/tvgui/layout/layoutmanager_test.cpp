#include <gtest/gtest.h>

#include <limits>

#include "layouttest.h"
#include "tvgui/layout/dual.h"
#include "tvgui/layout/layoutmanager.h"
#include "tvgui/layout/line.h"
#include "tvgui/layout/tansu.h"

namespace tavrin::tvgui {
namespace {

using test::cell;
using test::layoutError;
using test::Move;
using test::RecordingLayout;
using test::RecordingWindow;

TEST(LayoutManager, OnSizeReducesTheFarEdgesByTheNearInsetsAsWell) {
    RecordingLayout root;
    LayoutManager manager(3, 3, 3, 3);
    EXPECT_EQ(manager.margin, Insets{});
    EXPECT_EQ(manager.rootLayout(), nullptr);
    manager.setRootLayout(&root);
    manager.onSize(400, 300);

    manager.margin = {1, 2, 3, 4};
    manager.spacing = {10, 20, 30, 40};
    manager.onSize(400, 300);
    EXPECT_EQ(root.rects, (std::vector<Rect>{{3, 3, 394, 294}, {11, 22, 356, 234}}));
}

TEST(LayoutManager, LayoutHandsTheRectangleToTheRootUnchanged) {
    RecordingLayout root;
    LayoutManager manager(7, 7, 7, 7);
    manager.margin = {7, 7, 7, 7};
    manager.setRootLayout(&root);
    manager.layout({1, 2, 3, 4});
    EXPECT_EQ(root.rects, (std::vector<Rect>{{1, 2, 3, 4}}));
}

TEST(LayoutManager, WithoutARootNothingRuns) {
    LayoutManager manager(3, 3, 3, 3);
    EXPECT_NO_THROW(manager.onSize(400, 300));
    EXPECT_NO_THROW(manager.layout({0, 0, 10, 10}));
}

// A dialog's rows: a window above a line of a window, a gap and a pair of windows.
TEST(LayoutManager, NestedPanelsPlaceEveryWindowInTheirShareOfTheClientArea) {
    RecordingWindow edit, state, run, close;
    Dual buttons(DIRECTION::HORIZON);
    buttons.setGui(0, run);
    buttons.setGui(1, close);
    buttons.rule().setPercent(50);
    buttons.setGap(4);

    Line bottom(DIRECTION::HORIZON);
    bottom.addGui(state);
    bottom.addEmpty();
    bottom.addLayout(buttons);
    bottom.sizeAt(0).setPercent(30);
    bottom.sizeAt(1).setPercent(25);
    bottom.sizeAt(2).setAbsolute(-1);

    Tansu rows(DIRECTION::VERTICAL);
    rows.addGui(edit);
    rows.addLayout(bottom);
    rows.rule().setAbsolute(24);
    rows.spacing.top = rows.spacing.bottom = 2;

    LayoutManager manager(3, 3, 3, 3);
    manager.setRootLayout(&rows);
    manager.onSize(262, 100);

    EXPECT_EQ(edit.moves, (std::vector<Move>{cell(3, 5, 256, 29)}));
    EXPECT_EQ(state.moves, (std::vector<Move>{cell(3, 33, 79, 57)}));
    EXPECT_EQ(run.moves, (std::vector<Move>{cell(142, 33, 200, 57)}));
    EXPECT_EQ(close.moves, (std::vector<Move>{cell(202, 33, 256, 57)}));
}

TEST(LayoutManager, APanelHoldingItselfIsALayoutErrorNotAnEndlessRecursion) {
    RecordingWindow window;
    Line outer(DIRECTION::HORIZON);
    Tansu inner(DIRECTION::VERTICAL);
    outer.addLayout(inner);
    inner.addGui(window);
    inner.addLayout(outer);
    LayoutManager manager(0, 0, 0, 0);
    manager.setRootLayout(&outer);

    const auto error = layoutError([&] { manager.onSize(100, 100); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "layout contains itself");

    inner.clearContent(1);
    manager.onSize(100, 100);
    EXPECT_EQ(window.moves.size(), 2u);
}

TEST(LayoutManager, AnAreaBeyondThirtyTwoBitsIsALayoutError) {
    RecordingLayout root;
    LayoutManager manager(0, 0, 0, 0);
    manager.setRootLayout(&root);
    manager.margin.right = std::numeric_limits<std::int32_t>::max();
    const auto error = layoutError([&] { manager.onSize(-10, 100); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "coordinate out of range: -2147483657");
    EXPECT_TRUE(root.rects.empty());
}

} // namespace
} // namespace tavrin::tvgui
