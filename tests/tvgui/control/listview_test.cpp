#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "noticeowner.h"
#include "pumpmessages.h"
#include "system/tavrinerrors.h"
#include "testwindow.h"
#include "tvgui/control/listview.h"

namespace tavrin::tvgui {
namespace {

using MASK = LISTITEM::MASK;
using TYPE = ListView::TYPE;

TEST(ListViewTest, EveryViewIsItsOwnStyleValue) {
    test::RecordingWindow window;
    ListView list(ITEM_ID{1}, window, TYPE::LIST);
    EXPECT_EQ(list.view(), TYPE::LIST);
    const struct {
        TYPE view;
        LONG_PTR bits;
    } views[] = {{TYPE::REPORT, LVS_REPORT},
                 {TYPE::SMALLICON, LVS_SMALLICON},
                 {TYPE::NORMALICON, LVS_ICON},
                 {TYPE::LIST, LVS_LIST}};
    for (const auto& row : views) {
        SCOPED_TRACE(row.bits);
        list.view(row.view);
        EXPECT_EQ(list.view(), row.view);
        EXPECT_EQ(GetWindowLongPtrW(list.hwnd(), GWL_STYLE) & LVS_TYPEMASK, row.bits);
        EXPECT_EQ(SendMessageW(list.hwnd(), LVM_GETVIEW, 0, 0) & LVS_TYPEMASK, row.bits);
    }
    try {
        list.view(static_cast<TYPE>(4));
        FAIL() << "a view that is no member was taken";
    } catch (const system::TavrinException& error) {
        EXPECT_STREQ(error.what(), "設定>LVS_SMALLICON|LVS_ICON|LVS_LIST|LVS_REPORT Style");
    }
    EXPECT_EQ(list.view(), TYPE::LIST);
}

TEST(ListViewTest, StylePairsSetAndClearTheirBits) {
    test::RecordingWindow window;
    ListView list(ITEM_ID{1}, window);
    struct Pair {
        LONG_PTR bits;
        bool (*get)(const ListView&);
        void (*set)(ListView&, bool);
    };
    const Pair pairs[] = {
        {LVS_OWNERDRAWFIXED, [](const ListView& l) { return l.ownerDraw(); },
         [](ListView& l, bool on) { l.ownerDraw(on); }},
        {LVS_SHOWSELALWAYS, [](const ListView& l) { return l.noHideSelect(); },
         [](ListView& l, bool on) { l.noHideSelect(on); }},
        {LVS_SINGLESEL, [](const ListView& l) { return l.singleSelect(); },
         [](ListView& l, bool on) { l.singleSelect(on); }},
        {LVS_EDITLABELS, [](const ListView& l) { return l.editLabels(); },
         [](ListView& l, bool on) { l.editLabels(on); }},
        {LVS_NOCOLUMNHEADER, [](const ListView& l) { return l.noColumnHeader(); },
         [](ListView& l, bool on) { l.noColumnHeader(on); }},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.bits);
        EXPECT_FALSE(pair.get(list));
        pair.set(list, true);
        EXPECT_TRUE(pair.get(list));
        EXPECT_EQ(GetWindowLongPtrW(list.hwnd(), GWL_STYLE) & pair.bits, pair.bits);
        pair.set(list, false);
        EXPECT_FALSE(pair.get(list));
        EXPECT_EQ(list.view(), TYPE::REPORT);
    }
    const struct {
        DWORD bits;
        bool (ListView::*get)() const;
        void (ListView::*set)(bool);
    } extended[] = {{LVS_EX_FULLROWSELECT, &ListView::fullRowSelect, &ListView::fullRowSelect},
                    {LVS_EX_GRIDLINES, &ListView::gridLines, &ListView::gridLines},
                    {LVS_EX_CHECKBOXES, &ListView::checkBoxes, &ListView::checkBoxes}};
    for (const auto& pair : extended) {
        SCOPED_TRACE(pair.bits);
        (list.*pair.set)(true);
        EXPECT_TRUE((list.*pair.get)());
        EXPECT_EQ(SendMessageW(list.hwnd(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & pair.bits,
                  pair.bits);
        (list.*pair.set)(false);
        EXPECT_FALSE((list.*pair.get)());
    }
}

TEST(ListViewTest, ColumnCaptionsReadBackThroughTheHeader) {
    test::RecordingWindow window;
    ListView list(ITEM_ID{1}, window);
    // Longer than the first buffer the texts are read into.
    const std::string longCaption = std::string(300, 'x') + "色";
    const std::vector<std::pair<std::string, int>> columns{
        {"前景色", 80}, {"背景色", 120}, {longCaption, 60}};
    for (const auto& [caption, width] : columns) {
        const LISTCOLUMN column{.mask = LISTCOLUMN::MASK::TEXT | LISTCOLUMN::MASK::WIDTH,
                                .width = width,
                                .text = caption};
        const int end = list.columnCount();
        EXPECT_EQ(list.insertColumn(end, column), end);
    }
    const auto header = list.header();
    ASSERT_NE(header, nullptr);
    ASSERT_EQ(header->itemCount(), static_cast<int>(columns.size()));
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        EXPECT_EQ(header->itemText(i), columns[i].first);
        EXPECT_EQ(header->itemWidth(i), columns[i].second);
        EXPECT_EQ(list.columnWidth(i), columns[i].second);
        const auto column = list.column(i, LISTCOLUMN::MASK::TEXT | LISTCOLUMN::MASK::WIDTH);
        ASSERT_TRUE(column);
        EXPECT_EQ(column->text, columns[i].first);
    }
    // A caption changed through the header is the list's column caption.
    EXPECT_TRUE(header->itemText(1, "アドレス"));
    EXPECT_EQ(list.column(1, LISTCOLUMN::MASK::TEXT)->text, "アドレス");
    EXPECT_TRUE(list.columnWidth(0, 90));
    EXPECT_EQ(header->itemWidth(0), 90);
    EXPECT_FALSE(list.column(7, LISTCOLUMN::MASK::TEXT));
    EXPECT_EQ(header->itemText(7), "");
    EXPECT_TRUE(list.deleteColumn(0));
    EXPECT_EQ(list.columnCount(), 2);
    EXPECT_EQ(header->itemText(0), "アドレス");
}

// A report list of three items with a second column, as the dialogs fill theirs.
struct Rows {
    test::RecordingWindow window;
    ListView list{ITEM_ID{7}, window};
    struct Row {
        const char* id;
        const char* name;
        LPARAM param;
    };
    static constexpr Row rows[] = {
        {"editor", "テキスト編集", 11}, {"mail", "メール", 22}, {"memo", "メモ帳", 33}};

    Rows() {
        window.size(400, 300);
        list.move(0, 0, 380, 250, true);
        for (const char* caption : {"ID", "名前"}) {
            const LISTCOLUMN column{.mask = LISTCOLUMN::MASK::TEXT | LISTCOLUMN::MASK::WIDTH,
                                    .width = 150,
                                    .text = caption};
            list.insertColumn(list.columnCount(), column);
        }
        for (const Row& row : rows) {
            const LISTITEM item{.mask = MASK::TEXT | MASK::PARAM,
                                .item = list.itemCount(),
                                .text = row.id,
                                .param = row.param};
            const int index = list.insertItem(item);
            list.itemText(index, 1, row.name);
        }
    }
};

TEST(ListViewTest, ItemsAndSubItemsAreReadFoundSelectedAndDeleted) {
    Rows table;
    ListView& list = table.list;
    ASSERT_EQ(list.itemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.itemText(i), Rows::rows[i].id);
        EXPECT_EQ(list.itemText(i, 1), Rows::rows[i].name);
        EXPECT_EQ(list.itemParam(i), Rows::rows[i].param);
        const auto sub = list.item(i, 1, MASK::TEXT);
        ASSERT_TRUE(sub);
        EXPECT_EQ(sub->text, Rows::rows[i].name);
    }
    EXPECT_FALSE(list.item(3, 0, MASK::TEXT));

    const struct {
        LISTFIND::FLAGS flags;
        const char* text;
        LPARAM param;
        int start;
        int found;
    } searches[] = {
        {LISTFIND::FLAGS::STRING, "mail", 0, -1, 1},
        {LISTFIND::FLAGS::STRING, "MEMO", 0, -1, 2},
        {LISTFIND::FLAGS::STRING | LISTFIND::FLAGS::PARTIAL, "me", 0, -1, 2},
        {LISTFIND::FLAGS::STRING, "ma", 0, -1, -1},
        {LISTFIND::FLAGS::PARAM, "", 11, -1, 0},
        {LISTFIND::FLAGS::PARAM, "", 11, 0, -1},
        {LISTFIND::FLAGS::PARAM | LISTFIND::FLAGS::WRAP, "", 11, 0, 0},
        {LISTFIND::FLAGS::PARAM, "", 44, -1, -1},
    };
    for (const auto& search : searches) {
        SCOPED_TRACE(std::string(search.text) + std::to_string(search.param));
        EXPECT_EQ(list.find(LISTFIND{search.flags, search.text, search.param}, search.start),
                  search.found);
    }

    EXPECT_TRUE(list.selectOnly(2));
    EXPECT_TRUE(list.selectOnly(1));
    EXPECT_EQ(list.selectedCount(), 1);
    EXPECT_EQ(list.nextItem(-1, ListView::NEXT::SELECTED), 1);
    EXPECT_EQ(list.nextItem(1, ListView::NEXT::SELECTED), -1);
    EXPECT_EQ(list.itemState(1, LISTITEM_STATE::SELECTED | LISTITEM_STATE::FOCUSED),
              LISTITEM_STATE::SELECTED | LISTITEM_STATE::FOCUSED);
    EXPECT_EQ(list.itemState(2, LISTITEM_STATE::SELECTED), LISTITEM_STATE::NONE);

    list.checkBoxes(true);
    EXPECT_TRUE(list.checkBoxes());
    EXPECT_TRUE(list.check(2, true));
    EXPECT_TRUE(list.checked(2));
    EXPECT_FALSE(list.checked(0));

    EXPECT_TRUE(list.deleteItem(0));
    EXPECT_EQ(list.itemCount(), 2);
    EXPECT_EQ(list.find(LISTFIND{LISTFIND::FLAGS::STRING, "memo", 0}), 1);
    EXPECT_EQ(list.itemText(0, 1), "メール");
    EXPECT_FALSE(list.deleteItem(5));
    EXPECT_TRUE(list.clear());
    EXPECT_EQ(list.itemCount(), 0);
}

TEST(ListViewTest, ItemsAreSortedByTheirNumbersAndAFailingOrderComesOut) {
    Rows table;
    ListView& list = table.list;
    EXPECT_TRUE(
        list.sort([](LPARAM first, LPARAM second) { return static_cast<int>(second - first); }));
    EXPECT_EQ(list.itemText(0), "memo");
    EXPECT_EQ(list.itemText(1, 1), "メール");
    EXPECT_EQ(list.itemParam(2), 11);
    EXPECT_THROW(list.sort([](LPARAM, LPARAM) -> int { throw std::runtime_error("order"); }),
                 std::runtime_error);
    EXPECT_EQ(list.itemCount(), 3);
}

TEST(ListViewTest, AHitOnAnItemsRectangleNamesItAndItsColumn) {
    Rows table;
    ListView& list = table.list;
    const auto label = list.itemRect(1, ListView::PART::LABEL);
    ASSERT_TRUE(label);
    const POINT inside{(label->left + label->right) / 2, (label->top + label->bottom) / 2};
    LISTHITTEST hit = list.hitTest(inside);
    EXPECT_EQ(hit.item, 1);
    EXPECT_EQ(hit.subItem, 0);
    EXPECT_TRUE(hasFlags(hit.flags, LISTHITTEST::FLAGS::ONITEMLABEL));

    const POINT secondColumn{list.columnWidth(0) + 20, inside.y};
    hit = list.hitTest(secondColumn);
    EXPECT_EQ(hit.item, 1);
    EXPECT_EQ(hit.subItem, 1);

    const auto last = list.itemRect(2, ListView::PART::BOUNDS);
    ASSERT_TRUE(last);
    hit = list.hitTest(POINT{inside.x, last->bottom + 40});
    EXPECT_EQ(hit.item, -1);
    EXPECT_FALSE(list.itemRect(9, ListView::PART::BOUNDS));

    // What a drag of the item carries.
    POINT corner{-1, -1};
    const auto picture = list.dragImage(1, corner);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->owns());
    EXPECT_EQ(picture->count(), 1);
    EXPECT_EQ(corner.y, list.itemRect(1, ListView::PART::BOUNDS)->top);
}

TEST(ListViewTest, AClickThatSelectsAnItemReachesTheOwner) {
    test::NoticeOwner owner;
    ListView list(ITEM_ID{5}, owner, TYPE::LIST);
    list.move(0, 0, 300, 200, true);
    for (const char* text : {"一", "二"}) {
        const LISTITEM item{.mask = MASK::TEXT | MASK::PARAM,
                            .item = list.itemCount(),
                            .text = text,
                            .param = 100 + list.itemCount()};
        list.insertItem(item);
    }
    std::vector<std::pair<int, LPARAM>> selected;
    owner.heard = [&](NMHDR& header, ITEM_ID id) -> LRESULT {
        if (id != ITEM_ID{5} || header.code != static_cast<UINT>(ListView::EVENT::ITEMCHANGED)) {
            return 0;
        }
        const LISTVIEWMESSAGE message(header);
        if (hasFlags(message.newState(), LISTITEM_STATE::SELECTED) &&
            !hasFlags(message.oldState(), LISTITEM_STATE::SELECTED)) {
            selected.emplace_back(message.item(), message.param());
        }
        return 0;
    };
    const auto rect = list.itemRect(1, ListView::PART::LABEL);
    ASSERT_TRUE(rect);
    const LPARAM at = MAKELPARAM((rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2);
    SendMessageW(list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.hwnd(), WM_LBUTTONUP, 0, at);
    test::pumpMessages();
    ASSERT_EQ(selected.size(), 1U);
    EXPECT_EQ(selected[0], (std::pair<int, LPARAM>{1, 101}));
    EXPECT_EQ(list.nextItem(-1, ListView::NEXT::SELECTED), 1);
}

TEST(ListViewTest, CustomDrawReachesTheOwnerForEveryItemAndColumn) {
    test::NoticeOwner owner;
    ListView list(ITEM_ID{6}, owner);
    list.move(0, 0, 300, 200, true);
    for (const char* caption : {"前景色", "背景色"}) {
        list.insertColumn(list.columnCount(),
                          LISTCOLUMN{.mask = LISTCOLUMN::MASK::TEXT | LISTCOLUMN::MASK::WIDTH,
                                     .width = 100,
                                     .text = caption});
    }
    for (const char* row : {"ID", "NAME", "TAGS"}) {
        list.insertItem(LISTITEM{.mask = MASK::TEXT | MASK::PARAM,
                                 .item = list.itemCount(),
                                 .text = row,
                                 .param = 50 + list.itemCount()});
    }
    // Item, sub-item and the item's number, for every cell drawn.
    std::vector<std::tuple<DWORD_PTR, int, LPARAM>> cells;
    owner.heard = [&](NMHDR& header, ITEM_ID id) -> LRESULT {
        if (id != ITEM_ID{6} || header.code != static_cast<UINT>(ListView::EVENT::CUSTOMDRAW)) {
            return 0;
        }
        CUSTOMDRAW draw(header);
        using STAGE = CUSTOMDRAW::STAGE;
        if (draw.stage() == STAGE::PREPAINT) {
            return CUSTOMDRAW::answer(CUSTOMDRAW::RETURN::NOTIFYITEMDRAW);
        }
        if (draw.stage() == STAGE::ITEMPREPAINT) {
            return CUSTOMDRAW::answer(CUSTOMDRAW::RETURN::NOTIFYSUBITEMDRAW);
        }
        if (draw.stage() == (STAGE::ITEMPREPAINT | STAGE::SUBITEM)) {
            cells.emplace_back(draw.item(), ListView::subItem(draw), draw.itemParam());
            ListView::paintColors(draw, RGB(255, 0, 0), RGB(0, 0, 255));
            return CUSTOMDRAW::answer(CUSTOMDRAW::RETURN::NEWFONT);
        }
        return 0;
    };
    owner.show(SHOW::SHOW);
    RedrawWindow(list.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    test::pumpMessages();
    owner.heard = nullptr;
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    const std::vector<std::tuple<DWORD_PTR, int, LPARAM>> expected{
        {0, 0, 50}, {0, 1, 50}, {1, 0, 51}, {1, 1, 51}, {2, 0, 52}, {2, 1, 52}};
    EXPECT_EQ(cells, expected);
}

TEST(ListViewTest, ImageListsStayWithTheirHolders) {
    ImageList first(16, 16, ImageList::COLOR_TYPE::COLOR32, 1, 1);
    ImageList second(16, 16, ImageList::COLOR_TYPE::COLOR32, 1, 1);
    {
        test::RecordingWindow window;
        ListView list(ITEM_ID{1}, window);
        for (const auto type : {ListView::IMAGE_TYPE::SMALL, ListView::IMAGE_TYPE::NORMAL}) {
            EXPECT_FALSE(list.setImageList(first, type));
            const auto previous = list.setImageList(second, type);
            ASSERT_TRUE(previous);
            EXPECT_EQ(previous->get(), first.get());
            EXPECT_FALSE(previous->owns());
            EXPECT_EQ(list.imageList(type)->get(), second.get());
        }
        EXPECT_FALSE(list.imageList(ListView::IMAGE_TYPE::STATE));
    }
    // The list is gone; the lists it showed are not.
    EXPECT_EQ(first.count(), 0);
    EXPECT_EQ(second.count(), 0);
    EXPECT_NO_THROW(second.dispose());
}

TEST(HeaderTest, AHeaderOfItsOwnKeepsItsItemsInOrder) {
    test::RecordingWindow window;
    Header header(ITEM_ID{2}, window);
    EXPECT_EQ(header.itemCount(), 0);
    EXPECT_EQ(header.insertItem(0, "二", 40), 0);
    EXPECT_EQ(header.insertItem(0, "一", 30), 0);
    EXPECT_EQ(header.insertItem(99, "三", 50), 2);
    ASSERT_EQ(header.itemCount(), 3);
    const char* texts[] = {"一", "二", "三"};
    const int widths[] = {30, 40, 50};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(header.itemText(i), texts[i]);
        EXPECT_EQ(header.itemWidth(i), widths[i]);
    }
    EXPECT_EQ(header.itemWidth(3), -1);
    EXPECT_TRUE(header.deleteItem(1));
    EXPECT_EQ(header.itemText(1), "三");
    EXPECT_FALSE(header.deleteItem(5));
}

} // namespace
} // namespace tavrin::tvgui
