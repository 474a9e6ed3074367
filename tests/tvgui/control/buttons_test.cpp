#include <gtest/gtest.h>

#include "testwindow.h"
#include "tvgui/control/button.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/groupbox.h"
#include "tvgui/control/picturelabel.h"
#include "tvgui/control/statc.h"
#include "tvgui/control/toggle.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/messagefont.h"

namespace tavrin::tvgui {
namespace {

using CHECK = Toggle::CHECK;

// A click lands at the button's client origin, which must lie inside the button.
void giveRoom(Control& control, int row) {
    control.move(0, 30 * row, 100, 24, false);
}

TEST(ToggleTest, ChecksFollowClicksAndTheKindOfBox) {
    test::RecordingWindow window;
    CheckBox box(ITEM_ID{1}, window);
    giveRoom(box, 0);
    EXPECT_EQ(box.check(), CHECK::UNCHECKED);
    box.click();
    EXPECT_TRUE(box.checked());
    box.click();
    EXPECT_EQ(box.check(), CHECK::UNCHECKED);

    // The kinds replace one another; turning the current one off leaves a plain box that
    // clicks do not check.
    EXPECT_TRUE(box.autoCheck());
    box.autoThreeState(true);
    EXPECT_TRUE(box.autoThreeState());
    EXPECT_FALSE(box.autoCheck());
    EXPECT_FALSE(box.threeState());
    box.check(CHECK::INDETERMINATE);
    EXPECT_EQ(box.check(), CHECK::INDETERMINATE);
    EXPECT_FALSE(box.checked());
    box.autoCheck(false);
    EXPECT_TRUE(box.autoThreeState());
    box.autoThreeState(false);
    EXPECT_FALSE(box.autoThreeState() || box.threeState() || box.autoCheck());
    box.check(CHECK::UNCHECKED);
    box.click();
    EXPECT_EQ(box.check(), CHECK::UNCHECKED);
}

TEST(ToggleTest, AnAutomaticRadioUnchecksTheOthersOfItsGroup) {
    test::RecordingWindow window;
    Radio first(ITEM_ID{1}, window);
    Radio second(ITEM_ID{2}, window);
    Radio manual(ITEM_ID{3}, window, Radio::AUTO::NONE);
    first.group(true);
    giveRoom(first, 0);
    giveRoom(second, 1);
    giveRoom(manual, 2);
    first.click();
    EXPECT_TRUE(first.checked());
    second.click();
    EXPECT_TRUE(second.checked());
    EXPECT_FALSE(first.checked());
    manual.click();
    EXPECT_FALSE(manual.checked());
    EXPECT_TRUE(second.checked());
}

TEST(PushTest, PushedStateAndDefaultFlag) {
    test::RecordingWindow window;
    Push push(ITEM_ID{1}, window);
    EXPECT_EQ(push.text(), "");
    EXPECT_FALSE(push.pushed());
    push.pushed(true);
    EXPECT_TRUE(push.pushed());
    push.pushed(false);
    EXPECT_FALSE(push.pushed());
    EXPECT_FALSE(push.defaultButton());
    push.defaultButton(true);
    EXPECT_TRUE(push.defaultButton());
}

// Records the rectangle the group box gives its root.
class RecordingLayout final : public Layout {
public:
    Rect got;

protected:
    void arrange(const Rect& rect) override { got = rect; }
};

TEST(GroupBoxTest, TheInnerAreaKeepsClearOfTheFrameAndCaption) {
    GroupBox::GroupLayout layout({2, 15, 3, 4});
    layout.margin = {1, 1, 1, 1};
    EXPECT_EQ(layout.inner({10, 20, 110, 220}), (Rect{13, 36, 106, 215}));

    test::RecordingWindow window(nullptr, 400, 300);
    GroupBox box(ITEM_ID{1}, window);
    RecordingLayout root;
    box.groupLayout().setRootLayout(&root);
    box.move(10, 20, 200, 100, true);
    const int edgeX = GetSystemMetrics(SM_CXEDGE);
    const int edgeY = GetSystemMetrics(SM_CYEDGE);
    EXPECT_GT(box.textHeight(), 0);
    EXPECT_EQ(root.got, (Rect{10 + edgeX, 20 + box.textHeight(), 210 - edgeX, 120 - edgeY}));
    box.move(30, 40, 100, 50, true);
    EXPECT_EQ(root.got, (Rect{30 + edgeX, 40 + box.textHeight(), 130 - edgeX, 90 - edgeY}));
    // A caption font for another DPI moves the inner area's top with it.
    const int before = box.textHeight();
    box.setFont(messageFontFor(box.dpi() * 2));
    EXPECT_GT(box.textHeight(), before);
    EXPECT_EQ(root.got.top, 40 + box.textHeight());
}

// The parent clips its children, so the box itself paints its inside, in the parent's
// colour, and leaves the controls it frames as they are.
TEST(GroupBoxTest, ErasingPaintsTheInsideAroundTheFramedControls) {
    test::RecordingWindow window(nullptr, 400, 300);
    GroupBox box(ITEM_ID{1}, window);
    box.move(10, 10, 200, 100, false);
    EditLine framed(ITEM_ID{2}, window);
    framed.move(50, 50, 60, 20, false);

    constexpr COLORREF MARK = RGB(255, 0, 255);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 200, 100);
    ReleaseDC(nullptr, screen);
    HGDIOBJ before = SelectObject(dc, surface);
    const RECT all{0, 0, 200, 100};
    HBRUSH mark = CreateSolidBrush(MARK);
    FillRect(dc, &all, mark);

    EXPECT_NE(SendMessageW(box.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
    EXPECT_EQ(GetPixel(dc, 20, 80), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(dc, 195, 5), GetSysColor(COLOR_BTNFACE));
    // The edit line covers (40, 40)-(100, 60) of the box.
    EXPECT_EQ(GetPixel(dc, 45, 45), MARK);
    EXPECT_EQ(GetPixel(dc, 99, 59), MARK);

    SelectObject(dc, before);
    DeleteObject(mark);
    DeleteObject(surface);
    DeleteDC(dc);
}

TEST(LabelTest, TextAndImagesRoundTripInTheMessageFont) {
    test::RecordingWindow window;
    TextLabel label(ITEM_ID{1}, window, "起動する項目");
    EXPECT_EQ(label.text(), "起動する項目");
    EXPECT_EQ(label.font()->faceName(), Font(Font::SYSTEM::MESSAGE).faceName());

    const image::Icon first(LoadIconW(nullptr, IDI_APPLICATION), false);
    const image::Icon second(LoadIconW(nullptr, IDI_WARNING), false);
    IconLabel icon(ITEM_ID{2}, window);
    icon.setImage(first);
    EXPECT_EQ(icon.iconImage().get(), first.get());
    EXPECT_EQ(icon.setImage(second).get(), first.get());
    EXPECT_EQ(icon.iconImage().get(), second.get());

    const Bitmap bitmap(SIZE{16, 16});
    PictureLabel picture(ITEM_ID{3}, window, PictureLabel::IMAGE_TYPE::BITMAP);
    EXPECT_EQ(picture.setImage(bitmap).get(), nullptr);
    EXPECT_EQ(picture.bitmapImage().get(), bitmap.get());

    Push push(ITEM_ID{4}, window);
    push.imageType(Button::IMAGE_TYPE::ICON);
    push.setImage(first);
    EXPECT_EQ(push.iconImage().get(), first.get());
    EXPECT_FALSE(push.iconImage().owns());
}

} // namespace
} // namespace tavrin::tvgui
