#include "tvgui/draw/canvas.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "drawtest.h"
#include "system/tavrinerrors.h"
#include "wine.h"

namespace tavrin::tvgui {
namespace {

using test::failureOf;

// A plain window of the system's own class, destroyed with the holder.
struct TestWindow {
    HWND handle = CreateWindowExW(0, L"STATIC", L"canvas", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ~TestWindow() {
        if (IsWindow(handle)) {
            DestroyWindow(handle);
        }
    }
};

TEST(CanvasReleaseTest, ABorrowedContextIsNeverReleasedOnlyPutBack) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ originalPen = GetCurrentObject(dc, OBJ_PEN);
    Pen pen(Pen::STYLE::SOLID, 3, RGB(255, 0, 0));
    {
        Canvas canvas(dc);
        EXPECT_EQ(canvas.type(), Canvas::TYPE::BORROWED);
        EXPECT_FALSE(canvas.owns());
        canvas.setPen(pen);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get());
        EXPECT_TRUE(canvas.dispose());
    }
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), originalPen);
    {
        // The destructor alone does the same.
        Canvas canvas(dc);
        canvas.setPen(pen);
    }
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), originalPen);
    DeleteDC(dc);

    EXPECT_EQ(failureOf([] { Canvas canvas(static_cast<HDC>(nullptr)); }),
              "デバイスコンテキストが未設定");
}

TEST(CanvasReleaseTest, AMemoryCanvasDeletesItsContextAndItsBitmap) {
    Canvas canvas(SIZE{30, 20});
    EXPECT_EQ(canvas.type(), Canvas::TYPE::MEMORY);
    EXPECT_TRUE(canvas.owns());
    HDC dc = canvas.get();
    auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    BITMAP info{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 30);
    EXPECT_EQ(info.bmHeight, 20);
    EXPECT_EQ(canvas.clipSize().cx, 30);
    EXPECT_EQ(canvas.clipSize().cy, 20);

    EXPECT_TRUE(canvas.dispose());
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(canvas.get(), nullptr);
    EXPECT_TRUE(canvas.dispose());

    EXPECT_EQ(failureOf([] { Canvas canvas(SIZE{-1, 5}); }), "ビットマップしっぱーい");
    EXPECT_EQ(failureOf([] { Canvas canvas(SIZE{200000, 200000}); }), "ビットマップしっぱーい");
}

TEST(CanvasReleaseTest, AWindowCanvasIsGivenBackToItsLivingWindowOnly) {
    TestWindow window;
    ASSERT_NE(window.handle, nullptr);
    {
        Canvas canvas(window.handle);
        EXPECT_EQ(canvas.type(), Canvas::TYPE::WINDOW);
        EXPECT_TRUE(canvas.owns());
        EXPECT_TRUE(canvas.dispose());
        EXPECT_FALSE(canvas.owns());
    }
    // The screen, as GetDC takes it for no window.
    Canvas screen(static_cast<HWND>(nullptr));
    EXPECT_TRUE(screen.dispose());

    Canvas orphan(window.handle);
    DestroyWindow(window.handle);
    EXPECT_EQ(failureOf([&] { orphan.dispose(); }), "ウィンドウが死んでる");
    EXPECT_TRUE(orphan.isAlive());
}

TEST(CanvasSelectTest, ASecondSetPutsTheFirstBackSoOneRestoreReturnsToTheStart) {
    Canvas canvas(SIZE{8, 8});
    HDC dc = canvas.get();
    HGDIOBJ originalPen = GetCurrentObject(dc, OBJ_PEN);
    Pen red(Pen::STYLE::SOLID, 1, RGB(255, 0, 0));
    Pen blue(Pen::STYLE::SOLID, 1, RGB(0, 0, 255));
    canvas.setPen(red);
    canvas.setPen(blue);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), blue.get());
    EXPECT_TRUE(canvas.restorePen());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), originalPen);
    EXPECT_EQ(failureOf([&] { canvas.restorePen(); }), "ペンを設定していない");

    HGDIOBJ originalBrush = GetCurrentObject(dc, OBJ_BRUSH);
    Brush white(RGB(255, 255, 255));
    Brush black(RGB(0, 0, 0));
    canvas.setBrush(white);
    canvas.setBrush(black);
    EXPECT_TRUE(canvas.restoreBrush());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), originalBrush);
    EXPECT_EQ(failureOf([&] { canvas.restoreBrush(); }), "ブラシを設定していない");

    HGDIOBJ originalFont = GetCurrentObject(dc, OBJ_FONT);
    Font message;
    Font stock(Font::STOCK::ANSI_VAR);
    canvas.setFont(message);
    canvas.setFont(stock);
    EXPECT_TRUE(canvas.restoreFont());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), originalFont);
    EXPECT_EQ(failureOf([&] { canvas.restoreFont(); }), "フォントを設定していない");

    // The canvas's own bitmap is the first selection of its kind.
    HGDIOBJ own = GetCurrentObject(dc, OBJ_BITMAP);
    Bitmap other(SIZE{4, 4});
    canvas.setBitmap(other);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), other.get());
    EXPECT_TRUE(canvas.restoreBitmap());
    EXPECT_NE(GetCurrentObject(dc, OBJ_BITMAP), own);
    EXPECT_NE(GetCurrentObject(dc, OBJ_BITMAP), other.get());
    EXPECT_EQ(failureOf([&] { canvas.restoreBitmap(); }), "ビットマップを設定していない");
}

TEST(CanvasSelectTest, RestoreTellsWhetherItsOwnObjectCameOut) {
    Canvas canvas(SIZE{8, 8});
    Pen mine(Pen::STYLE::SOLID, 1, RGB(1, 1, 1));
    Pen theirs(Pen::STYLE::SOLID, 1, RGB(2, 2, 2));
    HGDIOBJ original = GetCurrentObject(canvas.get(), OBJ_PEN);
    canvas.setPen(mine);
    SelectObject(canvas.get(), theirs.get());
    EXPECT_FALSE(canvas.restorePen());
    EXPECT_EQ(GetCurrentObject(canvas.get(), OBJ_PEN), original);

    // Another pen selected behind the canvas's back makes the next set fail to put back.
    canvas.setPen(mine);
    SelectObject(canvas.get(), theirs.get());
    EXPECT_EQ(failureOf([&] { canvas.setPen(mine); }), "ペン解放に失敗");
    SelectObject(canvas.get(), original);
}

TEST(CanvasSelectTest, AnObjectWithoutAHandleIsNotSelected) {
    Canvas canvas(SIZE{8, 8});
    Pen gone(Pen::STYLE::SOLID, 1, RGB(0, 0, 0));
    gone.dispose();
    EXPECT_EQ(failureOf([&] { canvas.setPen(gone); }), "ペン設定失敗");
    EXPECT_EQ(failureOf([&] { canvas.restorePen(); }), "ペンを設定していない");
    Font none(static_cast<HFONT>(nullptr), false);
    EXPECT_EQ(failureOf([&] { canvas.setFont(none); }), "フォント設定失敗");
}

TEST(CanvasSelectTest, AMovedCanvasKeepsItsSelections) {
    Pen pen(Pen::STYLE::SOLID, 1, RGB(9, 9, 9));
    Canvas first(SIZE{8, 8});
    HDC dc = first.get();
    HGDIOBJ original = GetCurrentObject(dc, OBJ_PEN);
    first.setPen(pen);
    Canvas second(std::move(first));
    EXPECT_EQ(first.get(), nullptr);
    EXPECT_TRUE(first.dispose());
    EXPECT_EQ(second.get(), dc);
    EXPECT_EQ(second.type(), Canvas::TYPE::MEMORY);
    EXPECT_TRUE(second.restorePen());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), original);

    Canvas third(SIZE{2, 2});
    HDC replaced = third.get();
    third = std::move(second);
    EXPECT_EQ(GetObjectType(replaced), 0u);
    EXPECT_EQ(third.get(), dc);
    third.dispose();
    EXPECT_EQ(GetObjectType(dc), 0u);
}

TEST(CanvasStateTest, ColoursModesSpacingPositionAndOriginReadBackWhatWasSet) {
    Canvas canvas(SIZE{8, 8});
    canvas.textColor(RGB(1, 2, 3));
    EXPECT_EQ(canvas.textColor(RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_EQ(canvas.textColor(), RGB(4, 5, 6));
    canvas.backColor(RGB(7, 8, 9));
    EXPECT_EQ(canvas.backColor(), RGB(7, 8, 9));
    EXPECT_EQ(canvas.backMode(Canvas::BACKMODE::TRANSPARENT_MODE), Canvas::BACKMODE::OPAQUE_MODE);
    EXPECT_EQ(canvas.backMode(), Canvas::BACKMODE::TRANSPARENT_MODE);
    EXPECT_EQ(canvas.characterSpacing(3), 0);
    EXPECT_EQ(canvas.characterSpacing(), 3);
    canvas.position(POINT{5, 6});
    EXPECT_EQ(canvas.position().x, 5);
    EXPECT_EQ(canvas.position(POINT{1, 1}).y, 6);
    canvas.brushOrigin(POINT{2, 3});
    EXPECT_EQ(canvas.brushOrigin().x, 2);
    EXPECT_EQ(canvas.brushOrigin().y, 3);
    RECT box{};
    EXPECT_EQ(canvas.clipBox(box), SIMPLEREGION);
    EXPECT_EQ(box.right, 8);
}

TEST(CanvasStateTest, ReadsAndWritesOfAGoneContextRaiseTheirOwnTexts) {
    Canvas alive(SIZE{8, 8});
    Canvas gone(std::move(alive));
    gone.dispose();
    // Wine answers black, not the failure value, for the text colour of no context.
    if (!file::fixture::underWine()) {
        EXPECT_EQ(failureOf([&] { gone.textColor(); }), "文字色取得失敗");
    }
    EXPECT_EQ(failureOf([&] { gone.textColor(0); }), "文字色設定失敗");
    EXPECT_EQ(failureOf([&] { gone.backColor(); }), "背景色取得失敗");
    EXPECT_EQ(failureOf([&] { gone.backColor(0); }), "背景色設定失敗");
    EXPECT_EQ(failureOf([&] { gone.backMode(); }), "背景モード取得失敗");
    EXPECT_EQ(failureOf([&] { gone.backMode(Canvas::BACKMODE::OPAQUE_MODE); }),
              "背景モード設定失敗");
    EXPECT_EQ(failureOf([&] { gone.characterSpacing(); }), "文字間隔取得失敗");
    EXPECT_EQ(failureOf([&] { gone.characterSpacing(1); }), "前回文字間隔取得失敗");
    EXPECT_EQ(failureOf([&] { gone.position(); }), "現在位置情報取得失敗");
    EXPECT_EQ(failureOf([&] { gone.position(POINT{}); }), "前回位置設定取得失敗");
    EXPECT_EQ(failureOf([&] { gone.brushOrigin(); }), "ブラシ原点取得失敗");
    EXPECT_EQ(failureOf([&] { gone.brushOrigin(POINT{}); }), "ブラシ原点設定失敗");
    EXPECT_EQ(failureOf([&] { gone.textExtent("x"); }), "文字列サイズ取得失敗");
    // Drawing only says that it did not draw.
    EXPECT_FALSE(gone.textOut(0, 0, "x"));
    EXPECT_FALSE(gone.rectangle(0, 0, 2, 2));
}

} // namespace
} // namespace tavrin::tvgui
