#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>

#include "layouttest.h"
#include "tvgui/layout/line.h"

namespace tavrin::tvgui {
namespace {

using test::layoutError;

struct Rounding {
    std::int32_t extent;
    long double percentage;
    std::int32_t size;
};

// Products that are exact halves, where the tie rule decides, and two that are not.
const Rounding roundings[] = {{200, 0.25L, 0}, {200, 0.75L, 2},  {200, 1.25L, 2},
                              {50, 5, 2},      {50, 7, 4},       {-50, 5, -2},
                              {-50, 7, -4},    {100, 33.3L, 33}, {100, 66.7L, 67}};

TEST(SizeOf, PercentTiesGoToTheEvenNeighbour) {
    const Line line(DIRECTION::HORIZON);
    for (const Rounding& rounding : roundings) {
        EXPECT_EQ(line.sizeOf({10, 0, 10 + rounding.extent, 5},
                              SIZEINFO::ofPercent(rounding.percentage), DIRECTION::HORIZON),
                  rounding.size)
            << rounding.extent << " x " << static_cast<double>(rounding.percentage) << " %";
    }
}

TEST(SizeOf, AbsoluteIsThePixelCountWhateverTheRoom) {
    Line line(DIRECTION::HORIZON, 4);
    line.spacing = {9, 9, 9, 9};
    EXPECT_EQ(line.sizeOf({0, 0, 10, 10}, SIZEINFO::ofAbsolute(123), DIRECTION::VERTICAL), 123);
    EXPECT_EQ(line.sizeOf({0, 0, 10, 10}, SIZEINFO::ofAbsolute(-1), DIRECTION::HORIZON), -1);
}

TEST(SizeOf, PercentTakesTheExtentLessEveryCellsSpacingAlongTheGivenDirection) {
    Line line(DIRECTION::HORIZON, 3);
    line.spacing = {2, 5, 3, 10};
    const Rect rect{100, 50, 415, 395};
    // (315 - 5 x 3) / 100 x 50
    EXPECT_EQ(line.sizeOf(rect, SIZEINFO::ofPercent(50), DIRECTION::HORIZON), 150);
    // (345 - 15 x 3) / 100 x 50
    EXPECT_EQ(line.sizeOf(rect, SIZEINFO::ofPercent(50), DIRECTION::VERTICAL), 150);
    line.addEmpty();
    // (315 - 5 x 4) / 100 x 20 = 59
    EXPECT_EQ(line.sizeOf(rect, SIZEINFO::ofPercent(20), DIRECTION::HORIZON), 59);
}

TEST(SizeOf, UnknownDirectionsAndSizesBeyondThirtyTwoBitsAreLayoutErrors) {
    const Line line(DIRECTION::HORIZON, 1);
    const Rect rect{0, 0, 100, 100};
    const auto direction = layoutError(
        [&] { (void)line.sizeOf(rect, SIZEINFO::ofPercent(10), static_cast<DIRECTION>(2)); });
    ASSERT_TRUE(direction);
    EXPECT_EQ(direction->message(), "unknown direction: 2");

    for (const long double percentage :
         {1e12L, -1e12L, std::numeric_limits<long double>::quiet_NaN(),
          std::numeric_limits<long double>::infinity()}) {
        const auto size = layoutError(
            [&] { (void)line.sizeOf(rect, SIZEINFO::ofPercent(percentage), DIRECTION::HORIZON); });
        ASSERT_TRUE(size);
        EXPECT_TRUE(size->message().starts_with("size out of range")) << size->message();
    }
    // The largest size that fits is still given.
    EXPECT_EQ(line.sizeOf(rect, SIZEINFO::ofPercent(2147483647.0L), DIRECTION::HORIZON),
              std::numeric_limits<std::int32_t>::max());
}

TEST(SizeOf, PanelsRefuseAnUnknownDirectionWhenBuilt) {
    const auto error = layoutError([] { Line line(static_cast<DIRECTION>(-1)); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "unknown direction: -1");
}

} // namespace
} // namespace tavrin::tvgui
