#include <gtest/gtest.h>

#include <vector>

#include "system/unicode.h"
#include "testwindow.h"
#include "tvgui/control/toolbar.h"
#include "tvgui/control/tooltip.h"

namespace tavrin::tvgui {
namespace {

using STATE = TOOLBUTTON::STATE;
using STYLE = TOOLBUTTON::STYLE;
using IMAGE_TYPE = ToolBar::IMAGE_TYPE;

constexpr DWORD placedByCaller = CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;

ImageList iconList(int count) {
    ImageList list(16, 16, ImageList::COLOR_TYPE::COLOR32, count, 1);
    const image::Icon icon(LoadIconW(nullptr, IDI_APPLICATION), false);
    for (int i = 0; i < count; ++i) {
        list.add(icon);
    }
    return list;
}

void fill(ToolBar& bar, int count, const std::string& text) {
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(
            bar.insertButton(i, TOOLBUTTON{i, i + 1, STATE::ENABLED, STYLE::BUTTON, 0, text}));
    }
}

TEST(ToolBarTest, ButtonsKeepTheirFieldsAndAreMeasuredFoundHiddenAndDeleted) {
    const std::vector<TOOLBUTTON> buttons = {
        {0, 11, STATE::ENABLED, STYLE::BUTTON, 0x123456789ABCDEF0, "メモ帳"},
        {1, 12, STATE::ENABLED | STATE::CHECKED, STYLE::CHECK, 7, "Two words"},
        {2, 13, STATE::ENABLED, STYLE::DROPDOWN | STYLE::NOPREFIX, 0, ""},
    };
    test::RecordingWindow window(nullptr, 400, 200);
    ToolBar bar(ITEM_ID{1}, window, placedByCaller | TBSTYLE_FLAT);
    bar.move(0, 0, 400, 80, false);
    const ImageList images = iconList(3);
    bar.setImageList(IMAGE_TYPE::NORMAL, images);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        ASSERT_TRUE(bar.insertButton(static_cast<int>(i), buttons[i]));
    }
    ASSERT_EQ(bar.buttonCount(), static_cast<int>(buttons.size()));

    const SIZE size = bar.buttonSize();
    std::vector<RECT> rects;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const TOOLBUTTON& want = buttons[i];
        SCOPED_TRACE(want.command);
        const int index = static_cast<int>(i);
        TBBUTTON raw{};
        ASSERT_TRUE(bar.button(index, raw));
        EXPECT_EQ(raw.iBitmap, want.image);
        EXPECT_EQ(raw.idCommand, want.command);
        EXPECT_EQ(raw.fsState, static_cast<BYTE>(want.state));
        EXPECT_EQ(raw.fsStyle, static_cast<BYTE>(want.style));
        EXPECT_EQ(raw.dwData, want.data);
        if (want.text.empty()) {
            EXPECT_EQ(raw.iString, -1);
        } else {
            ASSERT_NE(raw.iString, -1);
            EXPECT_EQ(reinterpret_cast<const wchar_t*>(raw.iString), system::toWide(want.text));
        }
        const std::optional<TOOLBUTTON> read = bar.button(index);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->text, want.text);
        EXPECT_EQ(read->data, want.data);
        EXPECT_EQ(bar.commandToIndex(want.command), index);

        const std::optional<RECT> rect = bar.buttonRect(want.command);
        ASSERT_TRUE(rect);
        EXPECT_EQ(rect->right - rect->left, size.cx);
        EXPECT_EQ(rect->bottom - rect->top, size.cy);
        const std::optional<POINT> corner = bar.buttonBottomRight(want.command);
        ASSERT_TRUE(corner);
        EXPECT_EQ(corner->x, rect->right);
        EXPECT_EQ(corner->y, rect->bottom);
        if (!rects.empty()) {
            EXPECT_EQ(rect->left, rects.back().right);
        }
        rects.push_back(*rect);
    }
    EXPECT_EQ(bar.commandToIndex(99), -1);
    EXPECT_FALSE(bar.buttonRect(99));
    EXPECT_FALSE(bar.button(99));

    // A hidden button gives its room to the next one.
    ASSERT_TRUE(bar.hideButton(12, true));
    EXPECT_EQ(static_cast<BYTE>(bar.button(1)->state) & TBSTATE_HIDDEN, TBSTATE_HIDDEN);
    EXPECT_EQ(bar.buttonRect(13)->left, rects[0].right);
    ASSERT_TRUE(bar.hideButton(12, false));
    EXPECT_EQ(bar.buttonRect(13)->left, rects[2].left);

    ASSERT_TRUE(bar.deleteButton(0));
    EXPECT_EQ(bar.buttonCount(), 2);
    EXPECT_EQ(bar.commandToIndex(11), -1);
    EXPECT_EQ(bar.commandToIndex(13), 1);
    EXPECT_FALSE(bar.deleteButton(5));
    bar.clear();
    EXPECT_EQ(bar.buttonCount(), 0);
}

TEST(ToolBarTest, TheListStyleMovesTextBesideTheImages) {
    test::RecordingWindow window(nullptr, 400, 200);
    std::vector<SIZE> sizes;
    for (const bool list : {false, true}) {
        SCOPED_TRACE(list);
        ToolBar bar(ITEM_ID{1}, window, placedByCaller);
        for (const bool on : {!list, list}) {
            bar.setList(on);
            EXPECT_EQ(bar.isList(), on);
            EXPECT_EQ((GetWindowLongPtrW(bar.hwnd(), GWL_STYLE) & TBSTYLE_LIST) != 0, on);
            EXPECT_EQ((SendMessageW(bar.hwnd(), TB_GETSTYLE, 0, 0) & TBSTYLE_LIST) != 0, on);
        }
        const ImageList images = iconList(2);
        bar.setImageList(IMAGE_TYPE::NORMAL, images);
        fill(bar, 2, "起動する項目");
        sizes.push_back(bar.buttonSize());
    }
    EXPECT_LT(sizes[1].cy, sizes[0].cy);
    EXPECT_GT(sizes[1].cx, sizes[0].cx);
}

TEST(ToolBarTest, SettingsReadBackAndGiveBackWhatTheyReplaced) {
    test::RecordingWindow window;
    auto bar = std::make_unique<ToolBar>(ITEM_ID{1}, window, placedByCaller);
    const ImageList first = iconList(1);
    const ImageList second = iconList(2);
    for (const IMAGE_TYPE type : {IMAGE_TYPE::NORMAL, IMAGE_TYPE::HOT, IMAGE_TYPE::DISABLED}) {
        SCOPED_TRACE(static_cast<int>(type));
        EXPECT_EQ(bar->setImageList(type, first), nullptr);
        EXPECT_EQ(bar->imageList(type)->get(), first.get());
        const std::unique_ptr<ImageList> previous = bar->setImageList(type, second);
        ASSERT_NE(previous, nullptr);
        EXPECT_EQ(previous->get(), first.get());
        EXPECT_FALSE(previous->owns());
        EXPECT_EQ(bar->imageList(type)->get(), second.get());
    }

    using EXTENDED = ToolBar::EXTENDED;
    const EXTENDED arrows = EXTENDED::DRAWDDARROWS | EXTENDED::MIXEDBUTTONS;
    const EXTENDED before = bar->setExtendedStyle(arrows);
    EXPECT_EQ(bar->extendedStyle(), arrows);
    EXPECT_EQ(bar->setExtendedStyle(before), arrows);

    // The bar only borrows its lists: they outlive it.
    bar.reset();
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(second.count(), 2);
}

TEST(ToolBarTest, StandardBitmapsAppendTheirImages) {
    test::RecordingWindow window;
    ToolBar bar(ITEM_ID{1}, window, placedByCaller);
    EXPECT_EQ(bar.addStandardBitmap(ToolBar::SYSTEM_IMAGE::STD_SMALL_COLOR), 0);
    const int view = bar.addStandardBitmap(ToolBar::SYSTEM_IMAGE::VIEW_SMALL_COLOR);
    EXPECT_EQ(view, static_cast<int>(TOOLBUTTON::STANDARD::PRINT) + 1);
    EXPECT_GT(bar.addStandardBitmap(ToolBar::SYSTEM_IMAGE::HIST_SMALL_COLOR),
              view + static_cast<int>(TOOLBUTTON::VIEW::NEWFOLDER));
}

TEST(ToolBarTest, AWrapableBarNarrowerThanItsButtonsWraps) {
    struct Case {
        bool wrapable;
        int widthInButtons;
        bool severalRows;
    };
    const Case cases[] = {{true, 2, true}, {true, 8, false}, {false, 2, false}};
    test::RecordingWindow window(nullptr, 600, 400);
    for (const Case& one : cases) {
        SCOPED_TRACE(one.wrapable);
        SCOPED_TRACE(one.widthInButtons);
        ToolBar bar(ITEM_ID{1}, window, placedByCaller);
        bar.wrapable(one.wrapable);
        const ImageList images = iconList(6);
        bar.setImageList(IMAGE_TYPE::NORMAL, images);
        fill(bar, 6, "");
        bar.move(0, 0, bar.buttonSize().cx * one.widthInButtons + 2, 200, false);
        bar.autoSize();
        EXPECT_EQ(bar.rows() > 1, one.severalRows) << bar.rows();
    }
}

TEST(ToolBarTest, ClicksReachTheOwnerAsCommandsOrDropDowns) {
    struct Case {
        STYLE style;
        std::string heard;
    };
    const Case cases[] = {
        {STYLE::BUTTON, "OnCommand(21,0)"},
        {STYLE::CHECK, "OnCommand(21,0)"},
        {STYLE::WHOLEDROPDOWN,
         "OnNotify(" + std::to_string(static_cast<int>(TBN_DROPDOWN)) + ",1)"},
    };
    test::RecordingWindow window(nullptr, 400, 200);
    for (const Case& one : cases) {
        SCOPED_TRACE(one.heard);
        ToolBar bar(ITEM_ID{1}, window, placedByCaller | TBSTYLE_FLAT);
        bar.setExtendedStyle(ToolBar::EXTENDED::DRAWDDARROWS);
        bar.move(0, 0, 400, 60, false);
        ASSERT_TRUE(bar.insertButton(0, TOOLBUTTON{0, 21, STATE::ENABLED, one.style, 0, "項目"}));
        const RECT rect = *bar.buttonRect(21);
        const LPARAM middle =
            MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        window.forget();
        SendMessageW(bar.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
        SendMessageW(bar.hwnd(), WM_LBUTTONUP, 0, middle);
        test::pumpMessages();
        std::vector<std::string> heard;
        for (const std::string& call : window.calls) {
            if (call.starts_with("OnCommand") ||
                call.starts_with("OnNotify(" + std::to_string(static_cast<int>(TBN_DROPDOWN)))) {
                heard.push_back(call.substr(0, call.find(')') + 1));
            }
        }
        EXPECT_EQ(heard, std::vector<std::string>{one.heard});

        // The press left the button hot.
        EXPECT_EQ(bar.setHotItem(-1), 0);
        EXPECT_EQ(bar.hotItem(), -1);
        EXPECT_EQ(bar.setHotItem(0), -1);
        EXPECT_EQ(bar.hotItem(), 0);
    }
}

TEST(ToolBarTest, TheToolTipGivenIsTheOneInUse) {
    test::RecordingWindow window;
    ToolBar bar(ITEM_ID{1}, window, placedByCaller | TBSTYLE_TOOLTIPS);
    ToolTip tip(window);
    bar.setToolTip(tip);
    const std::shared_ptr<TvGui> used = bar.toolTip();
    ASSERT_NE(used, nullptr);
    EXPECT_EQ(used.get(), &tip);
}

} // namespace
} // namespace tavrin::tvgui
