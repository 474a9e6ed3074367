#include <gtest/gtest.h>

#include "layouttest.h"
#include "tvgui/layout/dual.h"

namespace tavrin::tvgui {
namespace {

using test::cell;
using test::layoutError;
using test::Move;
using test::RecordingWindow;

// A dual of two windows.
struct WindowDual {
    Dual dual;
    RecordingWindow first;
    RecordingWindow second;

    WindowDual(DIRECTION direction, const SIZEINFO& rule, std::int32_t gap) : dual(direction) {
        dual.setGui(0, first);
        dual.setGui(1, second);
        dual.rule() = rule;
        dual.setGap(gap);
    }

    std::vector<Move> moves() const {
        std::vector<Move> all = first.moves;
        all.insert(all.end(), second.moves.begin(), second.moves.end());
        return all;
    }
};

TEST(DualLayout, TheSecondPaneStartsAfterTheGapLessItsHalfAndFillsTheRest) {
    WindowDual pair(DIRECTION::HORIZON, SIZEINFO::ofAbsolute(100), 5);
    pair.dual.layout({0, 0, 300, 20});
    EXPECT_EQ(pair.moves(), (std::vector<Move>{cell(0, 0, 100, 20), cell(103, 0, 300, 20)}));
}

TEST(DualLayout, TheFirstPanesPercentageIsOfTheRoomWidenedByHalfTheGap) {
    // 50 % of 298 + 2.
    WindowDual pair(DIRECTION::HORIZON, SIZEINFO::ofPercent(50), 4);
    pair.dual.layout({0, 0, 298, 20});
    EXPECT_EQ(pair.moves(), (std::vector<Move>{cell(0, 0, 150, 20), cell(152, 0, 298, 20)}));
}

TEST(DualLayout, HalfANegativeOddGapIsRoundedTowardZero) {
    WindowDual pair(DIRECTION::HORIZON, SIZEINFO::ofAbsolute(100), -5);
    pair.dual.layout({0, 0, 300, 20});
    EXPECT_EQ(pair.second.moves, (std::vector<Move>{cell(97, 0, 300, 20)}));
}

TEST(DualLayout, AColumnAppliesMarginsAndSpacingsOnBothAxes) {
    WindowDual pair(DIRECTION::VERTICAL, SIZEINFO::ofAbsolute(50), 10);
    pair.dual.margin = {1, 2, 3, 4};
    pair.dual.spacing = {5, 6, 7, 8};
    pair.dual.layout({0, 0, 100, 200});
    EXPECT_EQ(pair.moves(), (std::vector<Move>{cell(6, 8, 90, 58), cell(6, 77, 90, 188)}));
}

TEST(DualLayout, AFirstRuleOfMinusOneIsASizeOfMinusOne) {
    WindowDual pair(DIRECTION::HORIZON, SIZEINFO::ofAbsolute(-1), 0);
    pair.dual.layout({0, 0, 300, 20});
    EXPECT_EQ(pair.moves(), (std::vector<Move>{cell(0, 0, -1, 20), cell(-1, 0, 300, 20)}));
}

TEST(DualLayout, FewerCellsPlaceWhatThereIsAndMoreAreRefused) {
    WindowDual pair(DIRECTION::HORIZON, SIZEINFO::ofAbsolute(100), 0);
    pair.dual.setCount(1);
    pair.dual.layout({0, 0, 300, 20});
    EXPECT_EQ(pair.moves(), (std::vector<Move>{cell(0, 0, 100, 20)}));

    pair.dual.setCount(0);
    EXPECT_NO_THROW(pair.dual.layout({0, 0, 300, 20}));

    pair.dual.setCount(2);
    pair.dual.addGui(pair.second);
    const auto error = layoutError([&] { pair.dual.layout({0, 0, 300, 20}); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "Dual holds 3 cells; it places two");
    EXPECT_EQ(pair.second.moves.size(), 0u);
}

} // namespace
} // namespace tavrin::tvgui
