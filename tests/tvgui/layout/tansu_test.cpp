#include <gtest/gtest.h>

#include "layouttest.h"
#include "tvgui/layout/tansu.h"

namespace tavrin::tvgui {
namespace {

using test::cell;
using test::Move;
using test::RecordingWindow;

// A tansu of three windows under one rule.
struct WindowTansu {
    Tansu tansu;
    RecordingWindow windows[3];

    WindowTansu(DIRECTION direction, const SIZEINFO& rule) : tansu(direction) {
        for (RecordingWindow& window : windows) {
            tansu.addGui(window);
        }
        tansu.rule() = rule;
    }

    std::vector<Move> moves() const {
        std::vector<Move> all;
        for (const RecordingWindow& window : windows) {
            all.insert(all.end(), window.moves.begin(), window.moves.end());
        }
        return all;
    }
};

TEST(TansuLayout, EveryCellGetsTheOneRoundedPercentage) {
    WindowTansu row(DIRECTION::HORIZON, SIZEINFO::ofPercent(33.3L));
    row.tansu.layout({0, 0, 100, 20});
    EXPECT_EQ(row.moves(),
              (std::vector<Move>{cell(0, 0, 33, 20), cell(33, 0, 66, 20), cell(66, 0, 99, 20)}));
}

TEST(TansuLayout, APercentageOvershootIsCutBackToTheFarSpacing) {
    // 40 % of 100 - 3 x 3 is 36.4: the cells need 115 pixels.
    WindowTansu row(DIRECTION::HORIZON, SIZEINFO::ofPercent(40));
    row.tansu.spacing = {1, 0, 2, 0};
    row.tansu.layout({0, 0, 100, 20});
    EXPECT_EQ(row.moves(),
              (std::vector<Move>{cell(1, 0, 37, 20), cell(40, 0, 76, 20), cell(79, 0, 98, 20)}));

    WindowTansu column(DIRECTION::VERTICAL, SIZEINFO::ofPercent(40));
    column.tansu.spacing = {0, 1, 0, 2};
    column.tansu.layout({0, 0, 20, 100});
    EXPECT_EQ(column.moves(),
              (std::vector<Move>{cell(0, 1, 20, 37), cell(0, 40, 20, 76), cell(0, 79, 20, 98)}));
}

TEST(TansuLayout, ALastCellEndingOnTheFarEdgeIsNotCut) {
    // 34.04 % of 100 - 2 x 3 is 32: the last cell ends at 100 exactly, inside its spacing.
    WindowTansu row(DIRECTION::HORIZON, SIZEINFO::ofPercent(34.04L));
    row.tansu.spacing = {0, 0, 2, 0};
    row.tansu.layout({0, 0, 100, 20});
    EXPECT_EQ(row.windows[2].moves, (std::vector<Move>{cell(68, 0, 100, 20)}));
}

TEST(TansuLayout, AbsoluteCellsAreNeverCutAndMinusOneDoesNotFill) {
    WindowTansu row(DIRECTION::HORIZON, SIZEINFO::ofAbsolute(40));
    row.tansu.layout({0, 0, 100, 20});
    EXPECT_EQ(row.windows[2].moves, (std::vector<Move>{cell(80, 0, 120, 20)}));

    WindowTansu fill(DIRECTION::HORIZON, SIZEINFO::ofAbsolute(-1));
    fill.tansu.layout({0, 0, 100, 20});
    EXPECT_EQ(fill.moves(),
              (std::vector<Move>{cell(0, 0, -1, 20), cell(-1, 0, -2, 20), cell(-2, 0, -3, 20)}));
}

TEST(TansuLayout, AColumnAppliesMarginsAndSpacingsOnBothAxes) {
    WindowTansu column(DIRECTION::VERTICAL, SIZEINFO::ofAbsolute(20));
    column.tansu.margin = {2, 3, 4, 5};
    column.tansu.spacing = {1, 1, 1, 1};
    column.tansu.layout({0, 0, 50, 100});
    EXPECT_EQ(column.moves(),
              (std::vector<Move>{cell(3, 4, 45, 24), cell(3, 26, 45, 46), cell(3, 48, 45, 68)}));
}

TEST(TansuLayout, AnEmptyTansuPlacesNothing) {
    Tansu tansu(DIRECTION::HORIZON);
    tansu.rule().setPercent(1e30L);
    EXPECT_NO_THROW(tansu.layout({0, 0, 100, 20}));
}

} // namespace
} // namespace tavrin::tvgui
