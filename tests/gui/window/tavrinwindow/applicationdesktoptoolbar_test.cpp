#include <gtest/gtest.h>

#include "gui/window/tavrinwindow/applicationdesktoptoolbar.h"

namespace tavrin::gui {
namespace {

using ABE = ApplicationDesktopToolBar::ABE;

// The proposal is the whole screen cut to the bar; the shell's answer has the sides moved that
// would overlap a bar registered earlier, and the cut from it keeps the thickness.
TEST(ApplicationDesktopToolBar, BandIsCutToTheThicknessFromTheEdgesOwnSide) {
    constexpr SIZE thickness{80, 30};
    const struct {
        ABE edge;
        RECT given;
        RECT expected;
    } cases[] = {
        {ABE::LEFT, {0, 0, 1280, 1024}, {0, 0, 80, 1024}},
        {ABE::TOP, {0, 0, 1280, 1024}, {0, 0, 1280, 30}},
        {ABE::RIGHT, {0, 0, 1280, 1024}, {1200, 0, 1280, 1024}},
        {ABE::BOTTOM, {0, 0, 1280, 1024}, {0, 994, 1280, 1024}},
        // Answers of a shell that keeps room for another bar on the same edge.
        {ABE::LEFT, {60, 0, 80, 1024}, {60, 0, 140, 1024}},
        {ABE::TOP, {0, 40, 1280, 30}, {0, 40, 1280, 70}},
        {ABE::RIGHT, {1200, 0, 1230, 1024}, {1150, 0, 1230, 1024}},
        {ABE::BOTTOM, {0, 994, 1280, 974}, {0, 944, 1280, 974}},
        // And for a bar on a neighbouring edge: the band gets shorter, not thinner.
        {ABE::LEFT, {0, 0, 80, 974}, {0, 0, 80, 974}},
    };
    for (const auto& [edge, given, expected] : cases) {
        const RECT cut = ApplicationDesktopToolBar::cutToThickness(given, edge, thickness);
        EXPECT_TRUE(EqualRect(&cut, &expected)) << static_cast<int>(edge) << ": " << cut.left << ","
                                                << cut.top << " " << cut.right << "," << cut.bottom;
    }
}

} // namespace
} // namespace tavrin::gui
