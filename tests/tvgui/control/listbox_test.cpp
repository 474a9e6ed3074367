#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testwindow.h"
#include "tvgui/control/listbox.h"

namespace tavrin::tvgui {
namespace {

using ::testing::Contains;

LONG_PTR styleOf(const TvGui& window) {
    return GetWindowLongPtrW(window.hwnd(), GWL_STYLE);
}

struct ListCase {
    const char* name;
    ListBox::TYPE type;
    ListBox::SELECT select;
    LONG_PTR present;
    LONG_PTR absent;
};

const ListCase listCases[] = {
    {"single", ListBox::TYPE::SINGLE_COLUMN, ListBox::SELECT::SINGLE, WS_VSCROLL,
     WS_HSCROLL | LBS_MULTICOLUMN | LBS_EXTENDEDSEL},
    {"columns", ListBox::TYPE::MULTI_COLUMN, ListBox::SELECT::SINGLE, WS_HSCROLL | LBS_MULTICOLUMN,
     WS_VSCROLL | LBS_EXTENDEDSEL},
    {"multi", ListBox::TYPE::SINGLE_COLUMN, ListBox::SELECT::MULTI, WS_VSCROLL | LBS_EXTENDEDSEL,
     WS_HSCROLL | LBS_MULTICOLUMN},
};

TEST(ListBoxTest, ItemsAreAddedFoundSelectedAndDeletedInEveryKindOfList) {
    for (const ListCase& kind : listCases) {
        SCOPED_TRACE(kind.name);
        test::RecordingWindow window;
        ListBox list(ITEM_ID{1}, window, kind.type, kind.select);
        list.move(0, 0, 200, 120, false);
        EXPECT_EQ(list.multiSelect(), kind.select == ListBox::SELECT::MULTI);

        EXPECT_EQ(list.add("メモ帳"), 0);
        EXPECT_EQ(list.add("電卓"), 1);
        EXPECT_EQ(list.insert(1, "ペイント"), 1);
        EXPECT_EQ(list.insert(-1, "端末"), 3);
        EXPECT_EQ(list.count(), 4);
        EXPECT_EQ(list.texts(), (std::vector<std::string>{"メモ帳", "ペイント", "電卓", "端末"}));
        EXPECT_TRUE(list.itemData(2, 0x7fff'0001));
        EXPECT_EQ(list.itemData(2), 0x7fff'0001);
        EXPECT_EQ(list.find("電卓"), 2);
        EXPECT_EQ(list.find("電"), std::nullopt);

        EXPECT_EQ(list.selectedIndex(), std::nullopt);
        EXPECT_TRUE(list.selectIndex(2));
        EXPECT_EQ(list.selectedIndex(), 2);
        EXPECT_EQ(list.selectedIndexes(), std::vector<int>{2});
        EXPECT_TRUE(list.selectIndex(-1));
        EXPECT_EQ(list.selectedIndex(), std::nullopt);

        // The list refuses what names no item, and says so in the result.
        EXPECT_FALSE(list.selectIndex(9));
        EXPECT_EQ(list.itemText(9), std::nullopt);
        EXPECT_EQ(list.itemData(9), std::nullopt);
        EXPECT_FALSE(list.itemData(9, 1));
        EXPECT_EQ(list.remove(9), -1);
        EXPECT_EQ(list.insert(9, "外"), -1);

        EXPECT_EQ(list.remove(1), 3);
        EXPECT_EQ(list.itemText(1), "電卓");
        EXPECT_EQ(list.itemData(1), 0x7fff'0001);
        list.clear();
        EXPECT_EQ(list.count(), 0);

        // The scroll bar of the kind appears once the items no longer fit.
        for (int item = 0; item < 60; ++item) {
            list.add("項目" + std::to_string(item));
        }
        const LONG_PTR style = styleOf(list);
        EXPECT_EQ(style & (LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | kind.present),
                  LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | kind.present);
        EXPECT_EQ(style & kind.absent, 0);
    }
}

TEST(ListBoxTest, AMultiSelectionListKeepsSeveralItemsSelected) {
    test::RecordingWindow window;
    ListBox list(ITEM_ID{1}, window, ListBox::TYPE::SINGLE_COLUMN, ListBox::SELECT::MULTI);
    for (const char* text : {"一", "二", "三", "四"}) {
        list.add(text);
    }
    EXPECT_TRUE(list.selectItem(3, true));
    EXPECT_TRUE(list.selectItem(1, true));
    EXPECT_EQ(list.selectedIndexes(), (std::vector<int>{1, 3}));
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_TRUE(list.selectItem(1, false));
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{3});
    // Choosing one item drops the others.
    EXPECT_TRUE(list.selectIndex(0));
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{0});
    EXPECT_FALSE(list.selectIndex(4));
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{0});

    ListBox single(ITEM_ID{2}, window);
    single.add("一");
    EXPECT_FALSE(single.selectItem(0, true));
}

TEST(ListBoxTest, AClickOnAnItemSelectsItAndTellsTheOwner) {
    test::RecordingWindow window;
    ListBox list(ITEM_ID{5}, window);
    list.move(0, 0, 200, 120, false);
    EXPECT_TRUE(list.notify());
    list.add("メモ帳");
    list.add("電卓");
    RECT item{};
    SendMessageW(list.hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
    window.forget();
    SendMessageW(list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.hwnd(), WM_LBUTTONUP, 0, at);
    test::pumpMessages();
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_THAT(window.calls, Contains("OnCommand(5," +
                                       std::to_string(static_cast<int>(ListBox::EVENT::SELCHANGE)) +
                                       ") from " + window.name(&list)));
}

} // namespace
} // namespace tavrin::tvgui
