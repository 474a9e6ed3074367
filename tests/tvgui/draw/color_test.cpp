#include "tvgui/draw/color.h"

#include <gtest/gtest.h>

#include "drawtest.h"
#include "system/tavrinerrors.h"

namespace tavrin::tvgui {
namespace {

using test::failureOf;

TEST(ColorTextTest, RedGreenBlueThenAlphaInEitherCase) {
    EXPECT_EQ(colorText(RGB(255, 0, 0)), "FF0000");
    EXPECT_EQ(colorText(RGB(255, 0, 0), false, false), "ff0000");
    EXPECT_EQ(colorText(RGB(0x12, 0xAB, 0x0C)), "12AB0C");
    EXPECT_EQ(colorText(0x80000000u | RGB(0x01, 0x02, 0x03), true), "01020380");
    EXPECT_EQ(colorText(0x80000000u | RGB(0xAA, 0xBB, 0xCC), true, false), "aabbcc80");
    // Without alpha the top byte is left out.
    EXPECT_EQ(colorText(0xFF000000u), "000000");
}

TEST(ColorTextTest, TheTextIsParsedBackByteByByte) {
    EXPECT_EQ(parseColorText("FF0000"), RGB(255, 0, 0));
    EXPECT_EQ(parseColorText("ff0000"), RGB(255, 0, 0));
    EXPECT_EQ(parseColorText("12aB0c"), RGB(0x12, 0xAB, 0x0C));
    EXPECT_EQ(parseColorText("01020380"), 0x80000000u | RGB(1, 2, 3));
    for (ColorValue color : {0x00000000u, 0x00FFFFFFu, 0x00123456u, 0xFEDCBA98u}) {
        EXPECT_EQ(parseColorText(colorText(color, true)), color);
        EXPECT_EQ(parseColorText(colorText(color, true, false)), color);
        EXPECT_EQ(parseColorText(colorText(color)), color & 0x00FFFFFFu);
    }
}

TEST(ColorTextTest, AnythingButSixOrEightDigitsIsRefused) {
    for (const char* bad :
         {"", "FF00", "FF00000", "FF0000000", "GG0000", "#FF000", " F0000", "FF00-1", "0xFF00"}) {
        EXPECT_EQ(failureOf([bad] { parseColorText(bad); }),
                  std::string("色の文字列が不正:") + bad);
    }
    EXPECT_THROW(parseColorText("zz"), system::DrawException);
}

TEST(SystemColorTest, NamesAreTheSystemsIndices) {
    EXPECT_EQ(static_cast<int>(COLOR::BTNFACE), 15);
    EXPECT_EQ(static_cast<int>(COLOR::ACTIVECAPTION), 2);
    EXPECT_EQ(static_cast<int>(COLOR::INACTIVECAPTION), 3);
    EXPECT_EQ(systemColor(COLOR::WINDOWTEXT), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(systemColor(COLOR::MENUHILIGHT), GetSysColor(COLOR_MENUHILIGHT));
}

} // namespace
} // namespace tavrin::tvgui
