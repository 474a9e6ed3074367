#include <gtest/gtest.h>

#include "guiresources.h"
#include "image/icon.h"
#include "tvgui/draw/bitmap.h"
#include "tvgui/draw/brush.h"
#include "tvgui/draw/canvas.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/imagelist.h"
#include "tvgui/draw/pen.h"

// A thousand objects of each kind are made and freed. Where the system counts a process's
// GDI and USER objects the counts must end where they began; under Wine, which counts
// nothing, every handle the loop made must be dead afterwards.
namespace tavrin::tvgui {
namespace {

using test::GuiResourceProbe;

constexpr int ROUNDS = 1000;

// An image list is seen through the two bitmaps that hold its pictures and masks: the list
// handle itself cannot be asked safely once destroyed.
void watchImageList(GuiResourceProbe& probe, HIMAGELIST list) {
    IMAGEINFO info{};
    ASSERT_TRUE(ImageList_GetImageInfo(list, 0, &info));
    probe.watchGdi(info.hbmImage);
    probe.watchGdi(info.hbmMask);
}

TEST(LeakTest, FontsCountedOrEveryHandleDeadUnderWine) {
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        Font font;
        probe.watchGdi(font.get());
        font.pointSize(9 + round % 5);
        probe.watchGdi(font.get());
        if (round % 2 == 0) {
            font.dispose();
        }
    }
    EXPECT_EQ(probe.watched(), 2u * ROUNDS);
    EXPECT_TRUE(probe.nothingLeft());
}

TEST(LeakTest, PensAndBrushesCountedOrEveryHandleDeadUnderWine) {
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        Pen pen(Pen::STYLE::DOT, 1, RGB(round % 256, 0, 0));
        Brush brush(RGB(0, round % 256, 0));
        Brush hatch(Brush::HATCH::CROSS, RGB(0, 0, round % 256));
        probe.watchGdi(pen.get());
        probe.watchGdi(brush.get());
        probe.watchGdi(hatch.get());
    }
    EXPECT_TRUE(probe.nothingLeft());
}

TEST(LeakTest, BitmapsCountedOrEveryHandleDeadUnderWine) {
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        Bitmap bitmap(SIZE{16 + round % 8, 16});
        probe.watchGdi(bitmap.get());
    }
    EXPECT_TRUE(probe.nothingLeft());
}

TEST(LeakTest, ImageListsCountedOrEveryHandleDeadUnderWine) {
    const image::Icon icon =
        image::GetSystemIcon(image::ICONSIZE::SMALL, image::SYSICON::APPLICATION);
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        ImageList list(16, 16, ImageList::COLOR_TYPE::COLOR32, 1, 1);
        list.add(icon);
        watchImageList(probe, list.get());
    }
    EXPECT_TRUE(probe.nothingLeft());
}

TEST(LeakTest, CanvasesWithSelectionsCountedOrEveryHandleDeadUnderWine) {
    Pen pen(Pen::STYLE::SOLID, 1, RGB(1, 2, 3));
    Brush brush(RGB(4, 5, 6));
    Font font(Font::STOCK::DEFAULT_GUI);
    GuiResourceProbe probe;
    for (int round = 0; round < ROUNDS; ++round) {
        Canvas canvas(SIZE{8, 8});
        probe.watchGdi(canvas.get());
        probe.watchGdi(GetCurrentObject(canvas.get(), OBJ_BITMAP));
        canvas.setPen(pen);
        canvas.setBrush(brush);
        canvas.setFont(font);
        // A borrowed canvas over it puts back its own selections and frees nothing.
        Canvas borrowed(canvas.get());
        borrowed.setPen(pen);
    }
    EXPECT_TRUE(probe.nothingLeft());
    EXPECT_EQ(GetObjectType(pen.get()), static_cast<DWORD>(OBJ_PEN));
}

TEST(LeakTest, TheProbeSeesALeftHandle) {
    GuiResourceProbe probe;
    HPEN kept = CreatePen(PS_SOLID, 1, 0);
    probe.watchGdi(kept);
    EXPECT_FALSE(probe.nothingLeft());
    DeleteObject(kept);
    EXPECT_TRUE(probe.nothingLeft());

    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_ReplaceIcon(
        list, -1, image::GetSystemIcon(image::ICONSIZE::SMALL, image::SYSICON::APPLICATION).get());
    watchImageList(probe, list);
    EXPECT_FALSE(probe.nothingLeft());
    ImageList_Destroy(list);
    EXPECT_TRUE(probe.nothingLeft());
}

} // namespace
} // namespace tavrin::tvgui
