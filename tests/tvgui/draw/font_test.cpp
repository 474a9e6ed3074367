#include "tvgui/draw/font.h"

#include <string>

#include <gtest/gtest.h>

#include "drawtest.h"
#include "system/tavrinerrors.h"

namespace tavrin::tvgui {
namespace {

using test::failureOf;

LOGFONTW plainRecord() {
    LOGFONTW record{};
    record.lfHeight = -12;
    record.lfWeight = FW_NORMAL;
    record.lfCharSet = DEFAULT_CHARSET;
    wcscpy(record.lfFaceName, L"Tahoma");
    return record;
}

TEST(FontTest, EveryFieldReadsBackWhatWasSet) {
    Font font(plainRecord());
    font.height(-20);
    font.width(7);
    font.escapement(900);
    font.orientation(450);
    font.weight(Font::WEIGHT::BOLD);
    font.italic(true);
    font.underline(true);
    font.strikeOut(true);
    font.charSet(SHIFTJIS_CHARSET);
    font.outPrecision(Font::OUT::TT);
    font.clipPrecision(Font::CLIP::LH_ANGLES);
    font.quality(Font::QUALITY::ANTIALIASED);
    font.pitchAndFamily(Font::PITCH_FAMILY::PITCH_VARIABLE | Font::PITCH_FAMILY::FAMILY_SWISS);
    font.faceName("MS UI Gothic");

    EXPECT_EQ(font.height(), -20);
    EXPECT_EQ(font.width(), 7);
    EXPECT_EQ(font.escapement(), 900);
    EXPECT_EQ(font.orientation(), 450);
    EXPECT_EQ(font.weight(), Font::WEIGHT::BOLD);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_EQ(font.charSet(), SHIFTJIS_CHARSET);
    EXPECT_EQ(font.outPrecision(), Font::OUT::TT);
    EXPECT_EQ(font.clipPrecision(), Font::CLIP::LH_ANGLES);
    EXPECT_EQ(font.quality(), Font::QUALITY::ANTIALIASED);
    EXPECT_EQ(font.pitchAndFamily(),
              Font::PITCH_FAMILY::PITCH_VARIABLE | Font::PITCH_FAMILY::FAMILY_SWISS);
    EXPECT_EQ(font.faceName(), "MS UI Gothic");

    // Clearing goes back as well.
    font.italic(false);
    font.underline(false);
    font.strikeOut(false);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());
}

TEST(FontTest, SettingAFieldBuildsANewFontAndFreesTheOldOne) {
    Font font(plainRecord());
    HFONT first = font.get();
    font.weight(Font::WEIGHT::BOLD);
    EXPECT_NE(font.get(), first);
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_EQ(GetObjectType(font.get()), static_cast<DWORD>(OBJ_FONT));
    // The rest of the record came along.
    EXPECT_EQ(font.height(), -12);
    EXPECT_EQ(font.faceName(), "Tahoma");
}

TEST(FontTest, FaceNamesUpToThirtyOneUnitsFitLongerOnesAreRefused) {
    Font font(plainRecord());
    const std::string longest(Font::FACE_NAME_LIMIT, 'A');
    font.faceName(longest);
    EXPECT_EQ(font.faceName(), longest);

    const std::string tooLong(Font::FACE_NAME_LIMIT + 1, 'B');
    HFONT before = font.get();
    EXPECT_EQ(failureOf([&] { font.faceName(tooLong); }), "SetFaceName:" + tooLong);
    EXPECT_THROW(font.faceName(tooLong), system::DrawException);
    EXPECT_EQ(font.get(), before);
    EXPECT_EQ(font.faceName(), longest);

    // Counted in UTF-16 units, not bytes: 31 Japanese characters fit.
    std::string japanese;
    for (std::size_t at = 0; at < Font::FACE_NAME_LIMIT; ++at) {
        japanese += "あ";
    }
    font.faceName(japanese);
    EXPECT_EQ(font.faceName(), japanese);
    EXPECT_EQ(failureOf([&] { font.faceName(japanese + "い"); }), "SetFaceName:" + japanese + "い");

    const std::string cut("MS\0Gothic", 9);
    EXPECT_EQ(failureOf([&] { font.faceName(cut); }), "SetFaceName:" + cut);
    font.faceName("");
    EXPECT_EQ(font.faceName(), "");
}

TEST(FontTest, PointSizeIsTheCharacterHeightAtTheScreenResolution) {
    Font font(plainRecord());
    const int dpi = test::screenDpiY();
    font.pointSize(9);
    EXPECT_EQ(font.height(), -MulDiv(9, dpi, 72));
    EXPECT_EQ(font.pointSize(), 9);
    EXPECT_EQ(font.pixelHeight(), MulDiv(9, dpi, 72));
    font.pointSize(24);
    EXPECT_EQ(font.pointSize(), 24);
    // A cell height reads as its size too.
    font.height(MulDiv(12, dpi, 72));
    EXPECT_EQ(font.pointSize(), 12);
}

TEST(FontTest, StockAndBorrowedFontsAreNeverDeleted) {
    Font stock(Font::STOCK::DEFAULT_GUI);
    ASSERT_NE(stock.get(), nullptr);
    EXPECT_FALSE(stock.owns());
    HFONT stockHandle = stock.get();
    EXPECT_TRUE(stock.dispose());
    EXPECT_NE(GetObjectType(stockHandle), 0u);

    Font owner(plainRecord());
    {
        Font borrowed(owner.get(), false);
        EXPECT_EQ(borrowed.faceName(), "Tahoma");
    }
    EXPECT_EQ(GetObjectType(owner.get()), static_cast<DWORD>(OBJ_FONT));
}

TEST(FontTest, ChangingAStockFontMakesAnOwnedCopy) {
    Font font(Font::STOCK::DEFAULT_GUI);
    HFONT stock = font.get();
    font.italic(true);
    EXPECT_TRUE(font.owns());
    EXPECT_NE(font.get(), stock);
    EXPECT_NE(GetObjectType(stock), 0u);
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), stock);
}

TEST(FontTest, SystemFontsAreOwnedCopiesOfTheUsersFonts) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const std::pair<Font::SYSTEM, const LOGFONTW*> fonts[] = {
        {Font::SYSTEM::CAPTION, &metrics.lfCaptionFont},
        {Font::SYSTEM::SMALL_CAPTION, &metrics.lfSmCaptionFont},
        {Font::SYSTEM::MENU, &metrics.lfMenuFont},
        {Font::SYSTEM::STATUS, &metrics.lfStatusFont},
        {Font::SYSTEM::MESSAGE, &metrics.lfMessageFont},
    };
    for (const auto& [kind, expected] : fonts) {
        Font font(kind);
        EXPECT_TRUE(font.owns());
        EXPECT_EQ(font.height(), expected->lfHeight);
        EXPECT_EQ(static_cast<LONG>(font.weight()), expected->lfWeight);
        EXPECT_EQ(font.record().lfFaceName, std::wstring(expected->lfFaceName));
    }
    // The toolkit's default font is the message font.
    Font standard;
    EXPECT_TRUE(standard.owns());
    EXPECT_EQ(standard.record().lfFaceName, std::wstring(metrics.lfMessageFont.lfFaceName));
    EXPECT_EQ(standard.height(), metrics.lfMessageFont.lfHeight);
}

TEST(FontTest, AFontWithoutAHandleCannotBeRead) {
    Font none(static_cast<HFONT>(nullptr), true);
    EXPECT_FALSE(none.owns());
    EXPECT_EQ(failureOf([&] { none.height(); }), "情報取得失敗");
    EXPECT_EQ(failureOf([&] { none.italic(true); }), "情報取得失敗");

    Font moved(plainRecord());
    Font target(std::move(moved));
    EXPECT_EQ(moved.get(), nullptr);
    EXPECT_THROW(moved.faceName(), system::DrawException);
    EXPECT_EQ(target.faceName(), "Tahoma");
}

} // namespace
} // namespace tavrin::tvgui
