#include <gtest/gtest.h>

#include <limits>

#include "layouttest.h"
#include "tvgui/layout/line.h"

namespace tavrin::tvgui {
namespace {

using test::cell;
using test::layoutError;
using test::Move;
using test::RecordingLayout;
using test::RecordingWindow;

// A line of windows with the given rules.
struct WindowLine {
    Line line;
    std::vector<RecordingWindow> windows;

    WindowLine(DIRECTION direction, std::initializer_list<SIZEINFO> rules)
        : line(direction), windows(rules.size()) {
        for (RecordingWindow& window : windows) {
            line.addGui(window);
        }
        std::size_t i = 0;
        for (const SIZEINFO& rule : rules) {
            line.sizeAt(i++) = rule;
        }
    }

    std::vector<Move> moves() const {
        std::vector<Move> all;
        for (const RecordingWindow& window : windows) {
            all.insert(all.end(), window.moves.begin(), window.moves.end());
        }
        return all;
    }
};

TEST(LineLayout, TheLastCellOfMinusOneFillsUpToTheFarSpacing) {
    WindowLine row(DIRECTION::HORIZON,
                   {SIZEINFO::ofAbsolute(40), SIZEINFO::ofAbsolute(40), SIZEINFO::ofAbsolute(-1)});
    row.line.spacing = {2, 0, 3, 0};
    row.line.layout({0, 0, 200, 30});
    EXPECT_EQ(row.moves(),
              (std::vector<Move>{cell(2, 0, 42, 30), cell(47, 0, 87, 30), cell(92, 0, 197, 30)}));
}

TEST(LineLayout, AnAbsoluteLastCellLeavesTheRestEmpty) {
    WindowLine row(DIRECTION::HORIZON, {SIZEINFO::ofAbsolute(40), SIZEINFO::ofAbsolute(50)});
    row.line.layout({0, 0, 200, 30});
    EXPECT_EQ(row.moves(), (std::vector<Move>{cell(0, 0, 40, 30), cell(40, 0, 90, 30)}));
}

TEST(LineLayout, MinusOneBeforeTheLastCellIsASizeOfMinusOne) {
    WindowLine row(DIRECTION::HORIZON, {SIZEINFO::ofAbsolute(-1), SIZEINFO::ofAbsolute(40)});
    row.line.spacing = {2, 0, 3, 0};
    row.line.layout({0, 0, 200, 30});
    EXPECT_EQ(row.moves(), (std::vector<Move>{cell(2, 0, 1, 30), cell(6, 0, 46, 30)}));
}

TEST(LineLayout, AColumnAppliesMarginsAndSpacingsOnBothAxes) {
    WindowLine column(DIRECTION::VERTICAL, {SIZEINFO::ofAbsolute(30), SIZEINFO::ofPercent(50),
                                            SIZEINFO::ofAbsolute(-1)});
    column.line.margin = {5, 6, 7, 8};
    column.line.spacing = {1, 2, 3, 4};
    // Inside the margins: (5, 6, 93, 224); a percent is of 218 - 6 x 3.
    column.line.layout({0, 0, 100, 232});
    EXPECT_EQ(column.moves(),
              (std::vector<Move>{cell(6, 8, 90, 38), cell(6, 44, 90, 144), cell(6, 150, 90, 220)}));
}

TEST(LineLayout, LayoutCellsGetTheirRectangleAndEmptyCellsOnlyTakeRoom) {
    RecordingLayout inner;
    RecordingWindow window;
    Line line(DIRECTION::HORIZON);
    line.addLayout(inner);
    line.addEmpty();
    line.addGui(window);
    line.sizeAt(1).setAbsolute(15);
    line.margin = {0, 4, 0, 6};
    line.layout({10, 0, 300, 50});
    EXPECT_EQ(inner.rects, (std::vector<Rect>{{10, 4, 50, 44}}));
    EXPECT_EQ(window.moves, (std::vector<Move>{cell(65, 4, 105, 44)}));
}

TEST(LineLayout, AnEmptyLinePlacesNothing) {
    Line line(DIRECTION::VERTICAL);
    line.margin = {500, 500, 500, 500};
    EXPECT_NO_THROW(line.layout({0, 0, 10, 10}));
}

TEST(LineLayout, APositionBeyondThirtyTwoBitsIsALayoutError) {
    WindowLine row(DIRECTION::HORIZON,
                   {SIZEINFO::ofAbsolute(std::numeric_limits<std::int32_t>::max()),
                    SIZEINFO::ofAbsolute(10), SIZEINFO::ofAbsolute(10)});
    const auto error = layoutError([&] { row.line.layout({0, 0, 100, 10}); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "coordinate out of range: 2147483657");
    EXPECT_EQ(row.windows[1].moves, (std::vector<Move>{{2147483647, 0, 10, 10, true}}));
    EXPECT_TRUE(row.windows[2].moves.empty());
}

} // namespace
} // namespace tavrin::tvgui
