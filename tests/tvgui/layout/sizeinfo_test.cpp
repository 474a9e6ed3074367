#include <gtest/gtest.h>

#include "layouttest.h"
#include "tvgui/layout/sizeinfo.h"

namespace tavrin::tvgui {
namespace {

using test::layoutError;

TEST(SizeInfo, StartsAsZeroPixels) {
    const SIZEINFO rule;
    EXPECT_EQ(rule.type(), SIZEINFO::TYPE::ABSOLUTE);
    EXPECT_EQ(rule.absolute(), 0);
    EXPECT_FALSE(rule.fills());
}

TEST(SizeInfo, WritingEitherFormSetsTheType) {
    SIZEINFO rule = SIZEINFO::ofPercent(12.5L);
    EXPECT_EQ(rule.type(), SIZEINFO::TYPE::PERCENT);
    EXPECT_EQ(rule.percent(), 12.5L);

    rule.setAbsolute(-7);
    EXPECT_EQ(rule.type(), SIZEINFO::TYPE::ABSOLUTE);
    EXPECT_EQ(rule.absolute(), -7);

    rule.setPercent(0.1L);
    EXPECT_EQ(rule.type(), SIZEINFO::TYPE::PERCENT);
    EXPECT_EQ(rule.percent(), 0.1L);
}

TEST(SizeInfo, ReadingTheOtherFormIsALayoutError) {
    const auto pixels = layoutError([] { (void)SIZEINFO::ofPercent(50).absolute(); });
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->message(), "type != ABSOLUTE");
    EXPECT_EQ(pixels->next(), nullptr);

    const auto percentage = layoutError([] { (void)SIZEINFO::ofAbsolute(50).percent(); });
    ASSERT_TRUE(percentage);
    EXPECT_EQ(percentage->message(), "type != PERCENT");
    EXPECT_EQ(percentage->className(), "tavrin::system::TavrinLayoutError");
}

TEST(SizeInfo, OnlyAbsoluteMinusOneFills) {
    EXPECT_TRUE(SIZEINFO::ofAbsolute(-1).fills());
    EXPECT_FALSE(SIZEINFO::ofAbsolute(-2).fills());
    EXPECT_FALSE(SIZEINFO::ofPercent(-1).fills());
}

} // namespace
} // namespace tavrin::tvgui
