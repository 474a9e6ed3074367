#include "utility/colorvalue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavrin::utility {
namespace {

using ::testing::ElementsAre;

constexpr ColorValue systemColor = 0x00C0FFEE;

TEST(ColorValueTest, RedGreenBlueFromTheLowByteUp) {
    EXPECT_EQ(storedColor({0x12, 0x34, 0x56}, systemColor), 0x00563412u);
    EXPECT_EQ(storedColor({0x00, 0x00, 0x00}, systemColor), 0u);
    EXPECT_EQ(storedColor({0xFF, 0xFF, 0xFF}, systemColor), 0x00FFFFFFu);
}

TEST(ColorValueTest, AFourthByteIsTheTopByteAndLaterBytesAreIgnored) {
    EXPECT_EQ(storedColor({0x12, 0x34, 0x56, 0x01}, systemColor), 0x01563412u);
    EXPECT_EQ(storedColor({0x12, 0x34, 0x56, 0xFF, 0xAB, 0xCD}, systemColor), 0xFF563412u);
}

TEST(ColorValueTest, AnElementShorterThanThreeBytesIsTheSystemColour) {
    EXPECT_EQ(storedColor({}, systemColor), systemColor);
    EXPECT_EQ(storedColor({0x12}, systemColor), systemColor);
    EXPECT_EQ(storedColor({0x12, 0x34}, systemColor), systemColor);
}

TEST(ColorValueTest, StoredAsThreeBytesThatReadBack) {
    EXPECT_THAT(colorBytes(0x00563412), ElementsAre(0x12, 0x34, 0x56));
    EXPECT_THAT(colorBytes(0x01563412), ElementsAre(0x12, 0x34, 0x56));
    EXPECT_EQ(storedColor(colorBytes(0x00ABCDEF), systemColor), 0x00ABCDEFu);
}

} // namespace
} // namespace tavrin::utility
