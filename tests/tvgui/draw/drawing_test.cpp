#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "drawtest.h"
#include "image/icon.h"
#include "tvgui/draw/canvas.h"

namespace tavrin::tvgui {
namespace {

using test::pixelsOf;
using test::pixelsOtherThan;

constexpr int WIDTH = 64;
constexpr int HEIGHT = 32;
constexpr COLORREF WHITE_PIXEL = RGB(255, 255, 255);
constexpr COLORREF BLACK_PIXEL = RGB(0, 0, 0);
constexpr RECT WHOLE{0, 0, WIDTH, HEIGHT};

// A white memory canvas that draws black text on a transparent background.
class DrawingTest : public testing::Test {
protected:
    DrawingTest() {
        white.emplace(WHITE_PIXEL);
        canvas.fillRect(WHOLE, *white);
        canvas.textColor(BLACK_PIXEL);
        canvas.backMode(Canvas::BACKMODE::TRANSPARENT_MODE);
        canvas.setFont(font);
    }

    std::vector<COLORREF> pixels() const { return pixelsOf(canvas, WIDTH, HEIGHT); }

    Canvas canvas{SIZE{WIDTH, HEIGHT}};
    Font font{Font::STOCK::DEFAULT_GUI};
    std::optional<Brush> white;
};

TEST_F(DrawingTest, FillRectPaintsWithTheBrushGivenOrTheOneSelected) {
    EXPECT_EQ(pixelsOtherThan(pixels(), WHITE_PIXEL), 0u);
    Brush red(RGB(255, 0, 0));
    ASSERT_TRUE(canvas.fillRect(RECT{0, 0, 10, 10}, red));
    EXPECT_EQ(GetPixel(canvas.get(), 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(canvas.get(), 15, 5), WHITE_PIXEL);

    Brush blue(RGB(0, 0, 255));
    canvas.setBrush(blue);
    ASSERT_TRUE(canvas.fillRect(RECT{20, 0, 30, 10}, nullptr));
    EXPECT_EQ(GetPixel(canvas.get(), 25, 5), RGB(0, 0, 255));
}

TEST_F(DrawingTest, TextIsDrawnAndMeasured) {
    RECT area = WHOLE;
    ASSERT_TRUE(canvas.drawText("Ab", area, Canvas::FORMAT::LEFT | Canvas::FORMAT::SINGLELINE));
    EXPECT_GT(pixelsOtherThan(pixels(), WHITE_PIXEL), 0u);

    const SIZE one = canvas.textExtent("W");
    const SIZE three = canvas.textExtent("WWW");
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(one.cy, 0);
    EXPECT_GT(three.cx, one.cx);
    EXPECT_EQ(canvas.textExtent("").cx, 0);

    RECT measured{0, 0, 0, 0};
    canvas.drawText("WWW", measured, Canvas::FORMAT::CALCRECT | Canvas::FORMAT::SINGLELINE);
    EXPECT_EQ(measured.right, three.cx);
    // Asking for the shortened text back changes nothing the caller holds.
    const std::string text("a long text that will not fit");
    RECT narrow{0, 0, 20, 16};
    EXPECT_TRUE(
        canvas.drawText(text, narrow, Canvas::FORMAT::END_ELLIPSIS | Canvas::FORMAT::MODIFYSTRING));
    EXPECT_EQ(text, "a long text that will not fit");
}

TEST_F(DrawingTest, TextOutDrawsWhereItIsTold) {
    ASSERT_TRUE(canvas.textOut(WIDTH / 2, 0, "X"));
    const std::vector<COLORREF> drawn = pixels();
    std::size_t left = 0;
    for (int y = 0; y < HEIGHT; ++y) {
        for (int x = 0; x < WIDTH / 2; ++x) {
            left += drawn[y * WIDTH + x] != WHITE_PIXEL ? 1 : 0;
        }
    }
    EXPECT_EQ(left, 0u);
    EXPECT_GT(pixelsOtherThan(drawn, WHITE_PIXEL), 0u);
}

TEST_F(DrawingTest, DisabledStateTextLooksOtherThanEnabledText) {
    ASSERT_TRUE(canvas.drawStateText(false, true, POINT{2, 2}, "Ab"));
    const std::vector<COLORREF> enabled = pixels();
    EXPECT_GT(pixelsOtherThan(enabled, WHITE_PIXEL), 0u);

    canvas.fillRect(WHOLE, *white);
    ASSERT_TRUE(canvas.drawStateText(false, false, POINT{2, 2}, "Ab"));
    const std::vector<COLORREF> disabled = pixels();
    EXPECT_GT(pixelsOtherThan(disabled, WHITE_PIXEL), 0u);
    EXPECT_NE(enabled, disabled);

    // With prefix processing the ampersand is not drawn but underlines.
    canvas.fillRect(WHOLE, *white);
    ASSERT_TRUE(canvas.drawStateText(true, true, POINT{2, 2}, "&Ab"));
    const std::vector<COLORREF> prefixed = pixels();
    canvas.fillRect(WHOLE, *white);
    ASSERT_TRUE(canvas.drawStateText(false, true, POINT{2, 2}, "&Ab"));
    EXPECT_NE(prefixed, pixels());
}

TEST_F(DrawingTest, IconsAreDrawnPlainAndDisabled) {
    const image::Icon icon = image::GetSystemIcon(image::ICONSIZE::LARGE, image::SYSICON::HAND);
    ASSERT_NE(icon.get(), nullptr);
    ASSERT_TRUE(canvas.drawIconEx(POINT{0, 0}, icon, 32, nullptr));
    const std::vector<COLORREF> plain = pixels();
    EXPECT_GT(pixelsOtherThan(plain, WHITE_PIXEL), 0u);

    canvas.fillRect(WHOLE, *white);
    ASSERT_TRUE(canvas.drawIcon(0, 0, icon));
    EXPECT_EQ(pixels(), plain);

    canvas.fillRect(WHOLE, *white);
    ASSERT_TRUE(canvas.drawStateIcon(true, 32, POINT{0, 0}, icon));
    const std::vector<COLORREF> enabled = pixels();
    EXPECT_GT(pixelsOtherThan(enabled, WHITE_PIXEL), 0u);
    canvas.fillRect(WHOLE, *white);
    ASSERT_TRUE(canvas.drawStateIcon(false, 32, POINT{0, 0}, icon));
    EXPECT_NE(pixels(), enabled);

    // A background brush fills the icon's square.
    Brush green(RGB(0, 255, 0));
    canvas.fillRect(WHOLE, *white);
    ASSERT_TRUE(canvas.drawIconEx(POINT{0, 0}, icon, 16, &green));
    EXPECT_EQ(GetPixel(canvas.get(), 20, 5), WHITE_PIXEL);
    EXPECT_FALSE(canvas.drawIcon(0, 0, image::Icon()));
}

TEST_F(DrawingTest, LinesAndRectanglesUseTheSelectedPen) {
    Pen red(Pen::STYLE::SOLID, 1, RGB(255, 0, 0));
    canvas.setPen(red);
    ASSERT_TRUE(canvas.line(POINT{0, 5}, POINT{20, 5}));
    EXPECT_EQ(GetPixel(canvas.get(), 10, 5), RGB(255, 0, 0));
    EXPECT_EQ(canvas.position().x, 20);
    ASSERT_TRUE(canvas.lineTo(POINT{20, 15}));
    EXPECT_EQ(GetPixel(canvas.get(), 20, 10), RGB(255, 0, 0));

    const std::array<POINT, 3> corner{{{40, 0}, {40, 10}, {50, 10}}};
    ASSERT_TRUE(canvas.polyline(corner));
    EXPECT_EQ(GetPixel(canvas.get(), 40, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(canvas.get(), 45, 10), RGB(255, 0, 0));

    Brush blue(RGB(0, 0, 255));
    canvas.setBrush(blue);
    ASSERT_TRUE(canvas.rectangle(RECT{0, 20, 10, 30}));
    EXPECT_EQ(GetPixel(canvas.get(), 0, 25), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(canvas.get(), 5, 25), RGB(0, 0, 255));
}

TEST_F(DrawingTest, PatternsInversionAndCopies) {
    ASSERT_TRUE(canvas.patBlt(Canvas::PAT::BLACK));
    EXPECT_EQ(pixelsOtherThan(pixels(), BLACK_PIXEL), 0u);
    ASSERT_TRUE(canvas.invert(RECT{0, 0, 4, 4}));
    EXPECT_EQ(GetPixel(canvas.get(), 2, 2), WHITE_PIXEL);
    EXPECT_EQ(GetPixel(canvas.get(), 6, 6), BLACK_PIXEL);
    ASSERT_TRUE(canvas.patBlt(RECT{10, 10, 20, 20}, Canvas::PAT::WHITE));
    EXPECT_EQ(GetPixel(canvas.get(), 15, 15), WHITE_PIXEL);
    EXPECT_EQ(GetPixel(canvas.get(), 25, 15), BLACK_PIXEL);

    Canvas copy(SIZE{WIDTH, HEIGHT});
    ASSERT_TRUE(
        copy.bitBlt(POINT{0, 0}, SIZE{WIDTH, HEIGHT}, canvas, POINT{0, 0}, Canvas::ROC::SRC_COPY));
    EXPECT_EQ(pixelsOf(copy, WIDTH, HEIGHT), pixels());
    ASSERT_TRUE(copy.bitBlt(POINT{0, 0}, SIZE{WIDTH, HEIGHT}, canvas, POINT{0, 0},
                            Canvas::ROC::NOT_SRC_COPY));
    EXPECT_EQ(GetPixel(copy.get(), 2, 2), BLACK_PIXEL);
    EXPECT_EQ(GetPixel(copy.get(), 6, 6), WHITE_PIXEL);
}

} // namespace
} // namespace tavrin::tvgui
