#include <gtest/gtest.h>

#include "gui/window/tavrinwindow/placement.h"

namespace tavrin::gui::placement {
namespace {

using tvgui::HT;
using tvgui::SIDEFLAG;

// A work area that starts below a bar on the top edge and left of one on the right.
constexpr RECT workArea{0, 30, 1200, 1000};

TEST(Placement, DockedBandLiesAlongItsEdgeOfTheWorkArea) {
    const struct {
        POSITION edge;
        int thickness;
        Placement expected;
    } cases[] = {
        {POSITION::LEFT, 40, {0, 30, 40, 970}},
        {POSITION::TOP, 40, {0, 30, 1200, 40}},
        {POSITION::RIGHT, 40, {1160, 30, 40, 970}},
        {POSITION::BOTTOM, 40, {0, 960, 1200, 40}},
        // A stored thickness from a larger screen leaves half of this one.
        {POSITION::LEFT, 5000, {0, 30, 600, 970}},
        {POSITION::BOTTOM, 2147483647, {0, 515, 1200, 485}},
    };
    for (const auto& [edge, thickness, expected] : cases) {
        const Placement placed = dockedPlacement(edge, workArea, thickness);
        EXPECT_EQ(placed, expected) << static_cast<int>(edge) << ": " << placed.x << "," << placed.y
                                    << " " << placed.width << "x" << placed.height;
    }
}

TEST(Placement, FloatingRectangleIsBroughtOntoTheWorkAreaWithItsSize) {
    const struct {
        Placement floating;
        Placement expected;
    } cases[] = {
        {{100, 200, 300, 100}, {100, 200, 300, 100}},
        {{-2000, 200, 300, 100}, {0, 200, 300, 100}},
        {{3000, 200, 300, 100}, {900, 200, 300, 100}},
        {{100, -500, 300, 100}, {100, 30, 300, 100}},
        {{100, 5000, 300, 100}, {100, 900, 300, 100}},
        {{-2000, 5000, 300, 100}, {0, 900, 300, 100}},
        // Larger than the work area: its left and top stay in sight.
        {{3000, 5000, 1500, 1100}, {0, 30, 1500, 1100}},
    };
    for (const auto& [floating, expected] : cases) {
        const Placement placed = ontoWorkArea(floating, workArea);
        EXPECT_EQ(placed, expected) << floating.x << "," << floating.y << " -> " << placed.x << ","
                                    << placed.y << " " << placed.width << "x" << placed.height;
    }
    // A monitor left of another left of the primary: the largest size does not wrap around.
    const Placement huge = ontoWorkArea({0, 0, 2147483647, 2147483647}, {-3000, -2000, -1000, 0});
    EXPECT_EQ(huge, (Placement{-3000, -2000, 2147483647, 2147483647}));
}

TEST(Placement, SizingCountsTheBarsButtonsOrTheFallbackWhenThereIsNoUsableSize) {
    constexpr SIZE fallback{18, 17};
    const struct {
        bool hasButtons;
        SIZE button;
        SIZE expected;
    } cases[] = {
        {true, {24, 22}, {24, 22}},
        {false, {24, 22}, {18, 17}},
        {true, {0, 0}, {18, 17}},
        {true, {24, 0}, {18, 17}},
    };
    for (const auto& [hasButtons, button, expected] : cases) {
        const SIZE used = sizingButton(hasButtons, button, fallback);
        EXPECT_EQ(used.cx, expected.cx) << hasButtons << " " << button.cx << "x" << button.cy;
        EXPECT_EQ(used.cy, expected.cy) << hasButtons << " " << button.cx << "x" << button.cy;
    }
    const SIZE never = sizingButton(false, {}, {0, 0});
    EXPECT_GT(never.cx, 0);
    EXPECT_GT(never.cy, 0);
}

// The button area at the drag's start is 110 - 6 - 8 = 96 wide (four buttons) and 75 - 6 = 69
// high. The system steps the drag as it does: each proposal is the rectangle it was given last,
// moved by the pointer's two pixels since; the edge ends at the whole number of buttons nearest
// to the pointer's whole way.
TEST(Placement, DraggedSidesFollowThePointerInWholeButtons) {
    constexpr SIZE frame{6, 6};
    constexpr SIZE button{24, 20};
    constexpr SIZE title{8, 0};
    constexpr RECT start{100, 100, 210, 175};
    const struct {
        SIDEFLAG side;
        RECT step;
        int steps;
        RECT expected;
    } cases[] = {
        {SIDEFLAG::RIGHT, {0, 0, 2, 0}, 5, {100, 100, 210, 175}},
        {SIDEFLAG::RIGHT, {0, 0, 2, 0}, 6, {100, 100, 234, 175}},
        {SIDEFLAG::RIGHT, {0, 0, -2, 0}, 30, {100, 100, 162, 175}},
        {SIDEFLAG::RIGHT, {0, 0, -2, 0}, 200, {100, 100, 138, 175}},
        {SIDEFLAG::LEFT, {-2, 0, 0, 0}, 12, {76, 100, 210, 175}},
        {SIDEFLAG::BOTTOM, {0, 0, 0, 2}, 10, {100, 100, 210, 186}},
        {SIDEFLAG::TOPLEFT, {-2, -2, 0, 0}, 6, {76, 89, 210, 175}},
    };
    for (const auto& [side, step, steps, expected] : cases) {
        Drag drag{start, start};
        RECT rect = start;
        for (int taken = 0; taken < steps; ++taken) {
            rect = {drag.given.left + step.left, drag.given.top + step.top,
                    drag.given.right + step.right, drag.given.bottom + step.bottom};
            snapSizing(side, rect, drag, frame, button, title);
        }
        EXPECT_TRUE(EqualRect(&rect, &expected))
            << static_cast<int>(side) << " " << steps << ": " << rect.left << "," << rect.top << " "
            << rect.right << "," << rect.bottom;
    }
}

TEST(Placement, ButtonsFillRowsAsWideAsAllowed) {
    const struct {
        int count;
        LONG widest;
        SIZE expected;
    } cases[] = {{3, 1000, {300, 30}}, {30, 1000, {1000, 90}}, {2, 50, {100, 60}}, {0, 1000, {}}};
    for (const auto& [count, widest, expected] : cases) {
        const SIZE rows = buttonRows(count, {100, 30}, widest);
        EXPECT_EQ(rows.cx, expected.cx) << count << " in " << widest;
        EXPECT_EQ(rows.cy, expected.cy) << count << " in " << widest;
    }
}

TEST(Placement, UnchosenFloatingWindowFitsItsContentInTheWorkArea) {
    const struct {
        SIZE content;
        Placement expected;
    } cases[] = {
        {{96, 24}, {544, 151, 112, 32}},
        {{2000, 24}, {0, 151, 1200, 32}},
        {{96, 2000}, {544, 30, 112, 970}},
    };
    for (const auto& [content, expected] : cases) {
        const Placement placed = fittedPlacement(content, {8, 8}, {8, 0}, workArea);
        EXPECT_EQ(placed, expected) << content.cx << "x" << content.cy << " -> " << placed.x << ","
                                    << placed.y << " " << placed.width << "x" << placed.height;
    }
}

TEST(Placement, SmallestTrackSizeIsFrameOneButtonAndTitle) {
    const struct {
        SIZE title;
        POINT expected;
    } cases[] = {{{8, 0}, {38, 26}}, {{0, 8}, {30, 34}}};
    for (const auto& [title, expected] : cases) {
        const POINT smallest = minimumTrackSize({6, 6}, {24, 20}, title);
        EXPECT_EQ(smallest.x, expected.x);
        EXPECT_EQ(smallest.y, expected.y);
    }
}

TEST(Placement, DockedBarPassesOnlyItsInnerSideAndFloatingPassesAll) {
    const HT codes[] = {HT::LEFT,     HT::RIGHT,      HT::TOP,         HT::BOTTOM,  HT::TOPLEFT,
                        HT::TOPRIGHT, HT::BOTTOMLEFT, HT::BOTTOMRIGHT, HT::CAPTION, HT::CLIENT};
    const struct {
        POSITION position;
        std::vector<HT> passed;
    } cases[] = {
        {POSITION::LEFT, {HT::RIGHT, HT::TOPRIGHT, HT::BOTTOMRIGHT, HT::CLIENT}},
        {POSITION::RIGHT, {HT::LEFT, HT::TOPLEFT, HT::BOTTOMLEFT, HT::CLIENT}},
        {POSITION::TOP, {HT::BOTTOM, HT::BOTTOMLEFT, HT::BOTTOMRIGHT, HT::CLIENT}},
        {POSITION::BOTTOM, {HT::TOP, HT::TOPLEFT, HT::TOPRIGHT, HT::CLIENT}},
        {POSITION::FLOAT, {std::begin(codes), std::end(codes)}},
        {POSITION::HIDDEN, {std::begin(codes), std::end(codes)}},
    };
    for (const auto& [position, passed] : cases) {
        for (const HT code : codes) {
            const bool kept = std::find(passed.begin(), passed.end(), code) != passed.end();
            EXPECT_EQ(dockedHitTest(position, code), kept ? code : HT::CLIENT)
                << static_cast<int>(position) << " " << static_cast<int>(code);
        }
    }
}

} // namespace
} // namespace tavrin::gui::placement
