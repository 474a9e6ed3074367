#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#include "dll/hooknotification.h"
#include "hooktestsupport.h"
#include "hookthread.h"

namespace tavrin::hooker {
namespace {

using dll::test::StandIn;

// Real clicks through the system's input reach the one hook on its own thread; the window gets
// each press and release with its point, in order, and the events go on to the window under
// the cursor. The callback's longest run is reported, not asserted.
TEST(HookThreadTest, ClicksArePostedToTheWindowWithTheirPointsAndPassedOn) {
    StandIn target(L"TavrinHookTarget", L"target", {0, 0, 50, 50});
    StandIn under(L"TavrinClickedWindow", L"clicked", {100, 100, 300, 260});
    EXPECT_FALSE(stopHook()) << "nothing runs yet";
    ASSERT_NE(startHook(target.hwnd(), WH_MOUSE_LL, dll::HOOK_MOUSE), nullptr);
    SetLastError(0);
    EXPECT_EQ(startHook(target.hwnd(), WH_MOUSE_LL, dll::HOOK_MOUSE), nullptr) << "a second hook";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    const POINT points[] = {{110, 105}, {299, 259}, {200, 180}, {150, 250}};
    for (const POINT point : points) {
        dll::test::middleClick(point);
    }
    const auto notifications = [&] { return target.received(dll::HOOK_MOUSE); };
    const bool all = dll::test::pumpUntil([&] {
        return notifications().size() >= 2 * std::size(points) &&
               under.received(WM_MBUTTONDOWN).size() == std::size(points);
    });
    EXPECT_TRUE(stopHook());
    ASSERT_TRUE(all) << notifications().size() << " notifications, "
                     << under.received(WM_MBUTTONDOWN).size() << " clicks passed on";
    const std::vector<MSG> seen = notifications();
    ASSERT_EQ(seen.size(), 2 * std::size(points));
    for (std::size_t at = 0; at < std::size(points); ++at) {
        for (std::size_t half = 0; half < 2; ++half) {
            const MSG& one = seen[2 * at + half];
            const POINT point = dll::unpackPoint(one.lParam);
            EXPECT_EQ(one.wParam, half == 0 ? WM_MBUTTONDOWN : WM_MBUTTONUP) << at;
            EXPECT_EQ(point.x, points[at].x) << at;
            EXPECT_EQ(point.y, points[at].y) << at;
        }
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double microseconds =
        1e6 * static_cast<double>(longestCallbackTicks()) / static_cast<double>(frequency.QuadPart);
    std::cout << "longest hook callback: " << microseconds << " us\n";
    RecordProperty("longest_callback_us", std::to_string(microseconds));
}

} // namespace
} // namespace tavrin::hooker
