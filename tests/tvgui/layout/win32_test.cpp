#include <gtest/gtest.h>

#include "system/win32.h"
#include "tvgui/layout/line.h"

namespace tavrin::tvgui {
namespace {

// The window toolkit sees the Windows headers before the layout headers.
TEST(LayoutWithWindowsHeaders, TheRuleTypesKeepTheirNames) {
    Line line(DIRECTION::HORIZON, 1);
    line.sizeAt(0).setAbsolute(40);
    EXPECT_EQ(line.sizeAt(0).type(), SIZEINFO::TYPE::ABSOLUTE);
    EXPECT_EQ(static_cast<int>(SIZEINFO::TYPE::ABSOLUTE), 0);
}

} // namespace
} // namespace tavrin::tvgui
