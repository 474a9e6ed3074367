#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "drawtest.h"
#include "image/icon.h"
#include "system/tavrinerrors.h"
#include "tvgui/draw/bitmap.h"
#include "tvgui/draw/brush.h"
#include "tvgui/draw/cursor.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/imagelist.h"
#include "tvgui/draw/pen.h"

namespace tavrin::tvgui {
namespace {

using test::failureOf;

// Frees the handle behind the holder's back, so that the holder's own release is refused.
template <typename Holder> std::string refusedRelease(Holder& holder) {
    DeleteObject(holder.get());
    return failureOf([&] { holder.dispose(); });
}

TEST(DrawReleaseTest, ARefusedReleaseNamesTheKindAndKeepsTheHandle) {
    LOGFONTW record{};
    record.lfHeight = -12;
    Font font(record);
    const std::string fontFailure = refusedRelease(font);
    EXPECT_TRUE(std::regex_match(
        fontFailure, std::regex(R"(tavrin::tvgui::Font\.RAII失敗\(フォント\(\)\[[0-9a-f]{8,}\])")))
        << fontFailure;
    EXPECT_TRUE(font.owns());

    Bitmap bitmap(SIZE{4, 4});
    const std::string bitmapFailure = refusedRelease(bitmap);
    EXPECT_TRUE(std::regex_match(
        bitmapFailure,
        std::regex(R"(tavrin::tvgui::Bitmap\.RAII失敗\(ビットマップ\(\)\[[0-9a-f]{8,}\])")))
        << bitmapFailure;

    Pen pen(Pen::STYLE::SOLID, 1, RGB(1, 2, 3));
    EXPECT_NE(refusedRelease(pen).find(".RAII失敗(ペン()["), std::string::npos);
    Brush brush(RGB(1, 2, 3));
    EXPECT_NE(refusedRelease(brush).find(".RAII失敗(ブラシ()["), std::string::npos);
    // The destructors that follow meet the same refusal and only log it.
}

TEST(DrawReleaseTest, OwnedHandlesAreFreedExactlyOnce) {
    Pen pen(Pen::STYLE::DASH, 1, RGB(0, 0, 255));
    HPEN handle = pen.get();
    ASSERT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_PEN));
    EXPECT_TRUE(pen.dispose());
    EXPECT_EQ(GetObjectType(handle), 0u);
    EXPECT_FALSE(pen.owns());
    EXPECT_EQ(pen.get(), nullptr);
    EXPECT_TRUE(pen.dispose());

    Brush target(RGB(0, 0, 0));
    HBRUSH replaced = target.get();
    Brush source(RGB(255, 255, 255));
    HBRUSH kept = source.get();
    target = std::move(source);
    EXPECT_EQ(GetObjectType(replaced), 0u);
    EXPECT_EQ(target.get(), kept);
    EXPECT_EQ(source.get(), nullptr);
    EXPECT_FALSE(source.owns());
}

TEST(PenTest, RecordsAndStockPens) {
    LOGPEN record{PS_DOT, POINT{1, 0}, RGB(10, 20, 30)};
    Pen pen(record);
    LOGPEN back{};
    ASSERT_EQ(GetObjectW(pen.get(), sizeof back, &back), static_cast<int>(sizeof back));
    EXPECT_EQ(back.lopnStyle, static_cast<UINT>(PS_DOT));
    EXPECT_EQ(back.lopnColor, RGB(10, 20, 30));

    Pen stock(Pen::STOCK::NONE);
    EXPECT_EQ(stock.get(), GetStockObject(NULL_PEN));
    EXPECT_FALSE(stock.owns());
}

TEST(BrushTest, RecordsStockAndSystemColourBrushes) {
    Brush hatched(Brush::HATCH::DIAGCROSS, RGB(1, 2, 3));
    LOGBRUSH back{};
    ASSERT_EQ(GetObjectW(hatched.get(), sizeof back, &back), static_cast<int>(sizeof back));
    EXPECT_EQ(back.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(back.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));
    EXPECT_TRUE(hatched.owns());

    Brush stock(Brush::STOCK::HOLLOW);
    EXPECT_EQ(stock.get(), GetStockObject(HOLLOW_BRUSH));
    EXPECT_FALSE(stock.owns());

    Brush face(COLOR::BTNFACE);
    EXPECT_EQ(face.get(), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_FALSE(face.owns());
    HBRUSH system = face.get();
    face.dispose();
    EXPECT_NE(GetObjectType(system), 0u);

    EXPECT_THROW(Brush(static_cast<COLOR>(99)), system::BrushException);
}

TEST(BitmapTest, SizesRecordsAndRefusals) {
    Bitmap screen(SIZE{20, 10});
    EXPECT_EQ(screen.size().cx, 20);
    EXPECT_EQ(screen.size().cy, 10);

    BITMAP record{0, 8, 4, 2, 1, 1, nullptr};
    Bitmap mono(record);
    EXPECT_EQ(mono.info().bmBitsPixel, 1);
    EXPECT_EQ(mono.size().cx, 8);

    EXPECT_EQ(failureOf([] { Bitmap(SIZE{-5, 10}); }), "ビットマップしっぱーい");
    EXPECT_EQ(failureOf([] { Bitmap(SIZE{10, -5}); }), "ビットマップしっぱーい");
    EXPECT_EQ(failureOf([] { Bitmap(SIZE{200000, 200000}); }), "ビットマップしっぱーい");
    Bitmap none(static_cast<HBITMAP>(nullptr), false);
    EXPECT_EQ(failureOf([&] { none.info(); }), "情報取得失敗");
}

TEST(CursorTest, StockCursorsAreSharedCopiesAreOwned) {
    Cursor arrow(Cursor::STOCK::ARROW);
    EXPECT_FALSE(arrow.owns());
    arrow.dispose();
    EXPECT_NE(LoadCursorW(nullptr, IDC_ARROW), nullptr);

    Cursor copy(CopyCursor(Cursor(Cursor::STOCK::IBEAM).get()), true);
    EXPECT_TRUE(copy.owns());
    EXPECT_TRUE(copy.dispose());
    EXPECT_FALSE(copy.owns());

    EXPECT_THROW(Cursor(static_cast<Cursor::STOCK>(1)), system::CursorException);
}

TEST(ImageListTest, IconsAreAddedReplacedAndRemoved) {
    ImageList list(16, 16, ImageList::COLOR_TYPE::COLOR32, 2, 2);
    const image::Icon application =
        image::GetSystemIcon(image::ICONSIZE::SMALL, image::SYSICON::APPLICATION);
    const image::Icon error = image::GetSystemIcon(image::ICONSIZE::SMALL, image::SYSICON::HAND);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.add(application), 0);
    EXPECT_EQ(list.add(error), 1);
    EXPECT_EQ(list.count(), 2);
    list.replace(0, error);
    EXPECT_EQ(list.count(), 2);

    EXPECT_EQ(failureOf([&] { list.replace(2, error); }), "ImageList_ReplaceIcon");
    EXPECT_EQ(failureOf([&] { list.replace(-1, error); }), "ImageList_ReplaceIcon");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(failureOf([&] { list.add(image::Icon()); }), "ImageList_ReplaceIcon");

    EXPECT_EQ(failureOf([&] { list.remove(-1); }), "ImageList_Remove");
    EXPECT_EQ(list.count(), 2);
    list.remove(0);
    EXPECT_EQ(list.count(), 1);
}

} // namespace
} // namespace tavrin::tvgui
