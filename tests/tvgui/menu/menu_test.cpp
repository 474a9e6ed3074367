#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/menu/popup.h"

namespace tavrin::tvgui {
namespace {

std::string failureOf(const std::function<void()>& raise) {
    try {
        raise();
    } catch (const system::MenuException& failure) {
        return failure.message();
    }
    return "";
}

std::string textAt(HMENU menu, int position) {
    wchar_t text[64]{};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return system::toUtf8(text);
}

struct Row {
    enum { ITEM, SEPARATOR, SUBMENU } kind;
    bool enabled;
    const char* text;
    UINT id;
};

// Items go in by command id and come out from the front, one by one, with their ids, texts,
// states and sub-menus as inserted.
TEST(MenuTest, ItemsComeOutAsTheyWentIn) {
    const std::vector<Row> rows{
        {Row::ITEM, true, "開く", 10},         {Row::ITEM, false, "削除", 11},
        {Row::SEPARATOR, true, "", 12},        {Row::SUBMENU, true, "グループ", 13},
        {Row::SUBMENU, false, "閉じた群", 14}, {Row::ITEM, true, "終了", 15},
    };
    PopUp menu;
    for (const Row& row : rows) {
        const bool added =
            row.kind == Row::ITEM ? menu.addItem(row.enabled, row.text, row.id)
            : row.kind == Row::SEPARATOR
                ? menu.addSeparator(row.id)
                : menu.addSubMenu(row.enabled, std::make_shared<PopUp>(), row.text, row.id);
        ASSERT_TRUE(added) << row.id;
    }
    ASSERT_EQ(GetMenuItemCount(menu.get()), static_cast<int>(rows.size()));
    for (std::size_t first = 0; first < rows.size(); ++first) {
        const Row& row = rows[first];
        SCOPED_TRACE(row.id);
        EXPECT_EQ(menu.idAt(0), row.id);
        MENUITEM item;
        item.info.fMask =
            bits(MENUITEM::MASK::STATE, MENUITEM::MASK::TYPE, MENUITEM::MASK::SUBMENU);
        item.info.wID = row.id;
        ASSERT_TRUE(menu.get(item));
        EXPECT_EQ((item.info.fState & MFS_DISABLED) != 0, !row.enabled);
        EXPECT_EQ((item.info.fType & MFT_SEPARATOR) != 0, row.kind == Row::SEPARATOR);
        EXPECT_EQ(item.subMenu != nullptr, row.kind == Row::SUBMENU);
        EXPECT_EQ(item.info.hSubMenu, item.subMenu ? item.subMenu->get() : nullptr);
        if (row.kind != Row::SEPARATOR) {
            EXPECT_EQ(textAt(menu.get(), 0), row.text);
        }
        ASSERT_TRUE(menu.removeFirst(MF_BYPOSITION));
        EXPECT_EQ(GetMenuItemCount(menu.get()), static_cast<int>(rows.size() - first - 1));
    }
    EXPECT_FALSE(menu.removeFirst(MF_BYPOSITION));
}

// A removed sub-menu stays a live menu held by its object, which destroys it exactly once;
// releasing a parent releases the sub-menus it still holds, and none of it fails twice.
TEST(MenuTest, SubMenusAreDestroyedOnceByTheirObjects) {
    auto parent = std::make_unique<PopUp>();
    auto removed = std::make_shared<PopUp>();
    auto kept = std::make_shared<PopUp>();
    ASSERT_TRUE(removed->addItem(true, "中", 100));
    ASSERT_TRUE(parent->addSubMenu(true, removed, "外す", 1));
    ASSERT_TRUE(parent->addSubMenu(true, kept, "残す", 2));
    const HMENU removedHandle = removed->get();
    const HMENU keptHandle = kept->get();

    ASSERT_TRUE(parent->removeFirst(MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(removedHandle));
    EXPECT_EQ(GetMenuItemCount(removedHandle), 1);
    EXPECT_EQ(parent->subMenu(1), nullptr);
    EXPECT_EQ(removed.use_count(), 1);
    EXPECT_TRUE(removed->dispose());
    EXPECT_FALSE(IsMenu(removedHandle));

    EXPECT_EQ(parent->subMenu(2), kept);
    EXPECT_NO_THROW(parent->dispose());
    EXPECT_FALSE(IsMenu(keptHandle));
    EXPECT_FALSE(kept->isAlive());
    EXPECT_NO_THROW(kept.reset());
    EXPECT_NO_THROW(parent.reset());
}

// Radio marks and check marks land on the items asked for and nowhere else.
TEST(MenuTest, ChecksFollowTheItemsAskedFor) {
    PopUp menu;
    for (UINT id = 1; id <= 4; ++id) {
        ASSERT_TRUE(menu.addItem(true, "項目", id));
    }
    const struct {
        UINT radio;
        UINT checkedAlso;
        bool check;
    } rows[]{{2, 4, true}, {3, 4, false}, {1, 4, true}};
    for (const auto& row : rows) {
        ASSERT_TRUE(menu.checkRadio(row.radio, 1, 3));
        menu.setChecked(row.check, row.checkedAlso);
        for (UINT id = 1; id <= 3; ++id) {
            EXPECT_EQ(menu.isChecked(id), id == row.radio) << row.radio << " " << id;
        }
        EXPECT_EQ(menu.isChecked(row.checkedAlso), row.check);
    }
    EXPECT_EQ(menu.enableItem(MF_BYCOMMAND | MF_GRAYED, 2), static_cast<UINT>(MF_ENABLED));
    EXPECT_EQ(menu.enableItem(MF_BYCOMMAND | MF_ENABLED, 2), static_cast<UINT>(MF_GRAYED));
}

// Every refusal names what went wrong, and a radio range is checked before the menu is.
TEST(MenuTest, FailuresCarryTheirTexts) {
    PopUp menu;
    ASSERT_TRUE(menu.addItem(true, "唯一", 5));
    const struct {
        std::function<void()> raise;
        const char* message;
    } rows[]{
        {[&] { menu.idAt(1); }, "めにゅー"},
        {[&] { menu.checkRadio(5, 6, 9); }, "範囲外"},
        {[&] { menu.checkRadio(10, 6, 9); }, "範囲外"},
        {[&] { menu.isChecked(0xabc); }, "チェックマーク取得失敗"},
        {[&] { menu.setChecked(true, 0xabc); }, "メニュー項目取得失敗"},
        {[&] { menu.enableItem(MF_BYCOMMAND | MF_GRAYED, 0xabc); }, "ID(00000abc)見つからず"},
        {[&] { menu.enableItem(MF_BYCOMMAND, 0x8000'0001); }, "ID(80000001)見つからず"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(failureOf(row.raise), row.message);
    }
    EXPECT_FALSE(menu.isChecked(5));
    EXPECT_EQ(menu.idAt(0), 5u);
}

} // namespace
} // namespace tavrin::tvgui
