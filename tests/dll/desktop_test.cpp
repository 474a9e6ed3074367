#include <gtest/gtest.h>

#include <climits>

#include "dll/desktop.h"
#include "dll/hooknotification.h"
#include "hooktestsupport.h"

namespace tavrin::dll {
namespace {

using test::StandIn;

// Real top-level windows of each kind the shell shows, and some that only look like them.
TEST(DesktopTest, OnlyTheShellsDesktopWindowsAreTheDesktop) {
    const struct {
        const wchar_t* className;
        const wchar_t* title;
        const wchar_t* child;
        bool desktop;
    } cases[] = {
        {L"Progman", L"Program Manager", nullptr, true},
        {L"Progman", L"Another title", nullptr, false},
        {L"WorkerW", L"", L"SHELLDLL_DefView", true},
        {L"WorkerW", L"", nullptr, false},
        {L"WorkerW", L"", L"Button", false},
        {L"TavrinOrdinary", L"Program Manager", L"SHELLDLL_DefView", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << row.className << " " << (row.child != nullptr));
        const StandIn window(row.className, row.title, {200, 150, 400, 300}, row.child);
        EXPECT_EQ(isDesktop(window.hwnd()), row.desktop);
        // A click lands on the child, whose top-level window decides.
        EXPECT_EQ(isDesktopAt(window.centre()), row.desktop);
    }
}

// Points of every quarter of a virtual screen, monitors left of and above the primary one
// included, come back as they went.
TEST(DesktopTest, PackedPointsKeepTheirSign) {
    const POINT points[] = {{0, 0},
                            {1919, 1079},
                            {-1, -1},
                            {-1920, 300},
                            {500, -1080},
                            {-3840, -2160},
                            {SHRT_MIN, SHRT_MAX},
                            {SHRT_MAX, SHRT_MIN}};
    for (const POINT point : points) {
        const POINT back = unpackPoint(packPoint(point));
        EXPECT_EQ(back.x, point.x);
        EXPECT_EQ(back.y, point.y);
    }
}

} // namespace
} // namespace tavrin::dll
