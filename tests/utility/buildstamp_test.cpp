#include <gtest/gtest.h>

#include "utility/simple/buildstamp.h"

namespace tavrin::utility {
namespace {

TEST(BuildStamp, CompilerDateAndTimeBecomeWeekdayMonthDayTimeYear) {
    EXPECT_EQ(buildStamp("Sep 12 2009", "17:03:13"), "Sat Sep 12 17:03:13 2009");
    // Single-digit days keep the compiler's blank padding.
    EXPECT_EQ(buildStamp("Jan  2 2008", "09:05:03"), "Wed Jan  2 09:05:03 2008");
    EXPECT_EQ(buildStamp("Feb 29 2000", "00:00:00"), "Tue Feb 29 00:00:00 2000");
    EXPECT_EQ(buildStamp("Dec 31 1899", "23:59:59"), "Sun Dec 31 23:59:59 1899");
}

TEST(BuildStamp, TextInAnotherFormIsKeptAsItIs) {
    EXPECT_EQ(buildStamp("Feb 30 2009", "01:02:03"), "Feb 30 2009 01:02:03");
    EXPECT_EQ(buildStamp("Foo 12 2009", "01:02:03"), "Foo 12 2009 01:02:03");
    EXPECT_EQ(buildStamp("Sep 1x 2009", "01:02:03"), "Sep 1x 2009 01:02:03");
    EXPECT_EQ(buildStamp("??? ?? ????", "??:??:??"), "??? ?? ???? ??:??:??");
    EXPECT_EQ(buildStamp("", ""), " ");
}

} // namespace
} // namespace tavrin::utility
