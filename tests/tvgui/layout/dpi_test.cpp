#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "layouttest.h"
#include "tvgui/layout/dual.h"
#include "tvgui/layout/layoutmanager.h"
#include "tvgui/layout/line.h"
#include "tvgui/layout/tansu.h"

namespace tavrin::tvgui {
namespace {

using test::Move;
using test::RecordingWindow;

// 96-DPI pixels at a DPI, worked out apart from the toolkit.
int atDpi(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * dpi / 96.0));
}

// A window's layout that uses every kind of pixel rule: the manager's insets, a column
// with margins, spacings and fixed cells, a row of equal cells sized in percent, and a
// dual with a gap (the row overshoots, so its last cell is cut back). Each pixel quantity
// goes through `px` as it is set.
struct Scene {
    LayoutManager manager{3, 3, 3, 3};
    Line column{DIRECTION::VERTICAL};
    Tansu row{DIRECTION::HORIZON, 3};
    Dual dual{DIRECTION::HORIZON};
    RecordingWindow top, cells[3], left, right, rest;

    explicit Scene(const std::function<int(int)>& px) {
        manager.spacing = {px(3), px(3), px(3), px(3)};
        manager.margin = {px(10), px(5), px(7), px(1)};
        manager.setRootLayout(&column);
        column.margin = {px(4), px(6), px(8), px(2)};
        column.spacing = {px(2), px(1), px(3), px(1)};
        column.addGui(top);
        column.sizeAt(0).setAbsolute(px(23));
        column.addLayout(row);
        column.sizeAt(1).setAbsolute(px(41));
        column.addLayout(dual);
        column.sizeAt(2).setAbsolute(px(37));
        column.addGui(rest);
        column.sizeAt(3).setAbsolute(SIZEINFO::FILL);
        row.spacing = {px(5), 0, px(5), 0};
        row.rule().setPercent(34);
        for (std::size_t i = 0; i < 3; ++i) {
            row.setGui(i, cells[i]);
        }
        dual.setGui(0, left);
        dual.setGui(1, right);
        dual.rule().setAbsolute(px(61));
        dual.setGap(px(9));
    }

    std::vector<Move> moves() const {
        std::vector<Move> all;
        for (const RecordingWindow* window :
             {&top, &cells[0], &cells[1], &cells[2], &left, &right, &rest}) {
            all.insert(all.end(), window->moves.begin(), window->moves.end());
        }
        return all;
    }
};

TEST(DpiLayout, EveryPixelRuleIsA96DpiPixelScaledToTheWindowsDpi) {
    const std::vector<Move> at96 = [] {
        Scene scene([](int pixels) { return pixels; });
        scene.manager.onSize(640, 480);
        return scene.moves();
    }();
    for (const int dpi : {96, 120, 144, 168, 192, 288}) {
        SCOPED_TRACE(dpi);
        Scene rules([](int pixels) { return pixels; });
        rules.manager.onSize(atDpi(640, dpi), atDpi(480, dpi), dpi);
        Scene scaledByHand([dpi](int pixels) { return atDpi(pixels, dpi); });
        scaledByHand.manager.onSize(atDpi(640, dpi), atDpi(480, dpi));
        ASSERT_EQ(rules.moves().size(), 7u);
        EXPECT_EQ(rules.moves(), scaledByHand.moves());
        EXPECT_EQ(rules.moves() == at96, dpi == 96);
    }
}

TEST(DpiLayout, NoWindowToAskMeansTheBaseDpiAndNegativeQuantitiesRoundAwayFromZero) {
    const struct {
        std::int64_t pixels;
        int dpi;
        std::int64_t expected;
    } cases[] = {
        {10, 0, 10},
        {10, -144, 10},
        {3, 144, 5},
        {-3, 144, -5},
        {1, 120, 1},
        {2, 120, 3},
        {-2, 120, -3},
        {40, 144, 60},
        {0, 192, 0},
        {-1, 96, -1},
        {2147483647, 192, 4294967294},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaleToDpi(c.pixels, c.dpi), c.expected) << c.pixels << " at " << c.dpi;
    }
}

} // namespace
} // namespace tavrin::tvgui
