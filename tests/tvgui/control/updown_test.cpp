#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>

#include "system/tavrinerrors.h"
#include "testwindow.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/updown.h"

#include <commctrl.h>

namespace tavrin::tvgui {
namespace {

RECT screenRect(const TvGui& window) {
    RECT rect{};
    GetWindowRect(window.hwnd(), &rect);
    return rect;
}

LONG middle(const RECT& rect) {
    return (rect.left + rect.right) / 2;
}

// The arrows take the line made just before them as their buddy and keep its number: every
// number asked for lands inside the range, whichever way round its bounds are given, and is
// what the line shows.
TEST(UpDownTest, TheLineMadeJustBeforeShowsTheClampedNumber) {
    struct Case {
        int lower;
        int upper;
        int asked;
        int kept;
    };
    constexpr Case cases[] = {
        {0, 100, 42, 42},  {0, 100, 150, 100},  {0, 100, -5, 0},        {10, -10, 3, 3},
        {10, -10, 20, 10}, {10, -10, -11, -10}, {0, INT_MAX, 999, 999},
    };
    test::RecordingWindow window;
    EditLine line(ITEM_ID{1}, window);
    UpDown arrows(ITEM_ID{2}, window);
    ASSERT_NE(arrows.buddy(), nullptr);
    EXPECT_EQ(arrows.buddy()->hwnd(), line.hwnd());
    const LONG_PTR style = GetWindowLongPtrW(arrows.hwnd(), GWL_STYLE);
    EXPECT_EQ(style & (UDS_SETBUDDYINT | UDS_AUTOBUDDY), UDS_SETBUDDYINT | UDS_AUTOBUDDY);
    EXPECT_EQ(arrows.placement(), UpDown::POSITION::NONE);

    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.lower) + ".." + std::to_string(c.upper) + " <- " +
                     std::to_string(c.asked));
        arrows.setRange(c.lower, c.upper);
        EXPECT_EQ(arrows.range(), (std::pair{c.lower, c.upper}));
        arrows.setValue(c.asked);
        EXPECT_EQ(arrows.value(), c.kept);
        EXPECT_EQ(line.text(), std::to_string(c.kept));
    }
}

// A number typed over the line is read back; text that is no number in the range is refused
// rather than answered with the last good number.
TEST(UpDownTest, TypedTextIsReadBackOrRefused) {
    struct Case {
        const char* typed;
        std::optional<int> read;
    };
    const Case cases[] = {
        {"55", 55},
        {"-0", 0},
        {"abc", std::nullopt},
        {"12x", std::nullopt},
        {"150", std::nullopt},
        {"-1", std::nullopt},
    };
    test::RecordingWindow window;
    EditLine line(ITEM_ID{1}, window);
    UpDown arrows(ITEM_ID{2}, window);
    arrows.setRange(0, 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        arrows.setValue(7);
        line.setText(c.typed);
        if (c.read) {
            EXPECT_EQ(arrows.value(), *c.read);
        } else {
            EXPECT_THROW(arrows.value(), system::UpDownException);
        }
    }
}

// Arrows made at a side take the room at that edge of their buddy, which gives it up; a side
// that does not exist is refused; another buddy can be given later.
TEST(UpDownTest, ArrowsMadeAtASideTakeThatEdgeOfTheirBuddy) {
    test::RecordingWindow window;
    EditLine first(ITEM_ID{1}, window);
    first.move(10, 10, 120, 24, false);
    const RECT firstBefore = screenRect(first);
    UpDown right(ITEM_ID{2}, window, UpDown::POSITION::RIGHT);
    EXPECT_EQ(right.placement(), UpDown::POSITION::RIGHT);
    EXPECT_GT(screenRect(right).left, middle(firstBefore));
    EXPECT_LE(screenRect(right).right, firstBefore.right);
    EXPECT_LT(screenRect(first).right, firstBefore.right);

    EditLine second(ITEM_ID{3}, window);
    second.move(10, 50, 120, 24, false);
    const RECT secondBefore = screenRect(second);
    UpDown left(ITEM_ID{4}, window, UpDown::POSITION::LEFT);
    EXPECT_GE(screenRect(left).left, secondBefore.left);
    EXPECT_LT(screenRect(left).right, middle(secondBefore));
    EXPECT_GT(screenRect(second).left, secondBefore.left);

    EXPECT_THROW(UpDown(ITEM_ID{5}, window, static_cast<UpDown::POSITION>(3)),
                 system::TavrinException);

    right.setBuddy(second);
    EXPECT_EQ(right.buddy()->hwnd(), second.hwnd());
    right.setValue(9);
    EXPECT_EQ(second.text(), "9");
}

} // namespace
} // namespace tavrin::tvgui
