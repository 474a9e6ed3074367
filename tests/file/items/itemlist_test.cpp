#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "file/items/itemlist.h"
#include "system/tavrinerrors.h"

namespace tavrin::file::items {
namespace {

using ::testing::ElementsAre;
using KEY = ItemList::Tree::KEY;

ItemList sample() {
    ItemList list;
    list.add({"edit", "Editor", {"text"}});
    list.add({"メモ", "メモ帳", {"text", "日本語"}});
    list.add({"mail", "", {"net"}});
    return list;
}

TEST(ItemList, FindsItemsByTheirId) {
    const ItemList list = sample();
    EXPECT_EQ(list.size(), 3u);
    EXPECT_TRUE(list.has("edit"));
    EXPECT_TRUE(list.has("メモ"));
    EXPECT_FALSE(list.has("Edit"));
    EXPECT_FALSE(list.has(""));
    EXPECT_EQ(list.item("メモ").name, "メモ帳");
    EXPECT_EQ(list.at(2).id, "mail");
}

TEST(ItemList, RaisesForAMissingIdNamingIt) {
    const ItemList list = sample();
    try {
        list.item("無い");
        FAIL() << "nothing raised";
    } catch (const system::ItemSetException& raised) {
        EXPECT_EQ(raised.message(), "無い");
    }
}

TEST(ItemList, ReplacesAnItemAddedAgainInItsPlace) {
    ItemList list = sample();
    list.add({"edit", "Editor 2", {"tool"}});
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(list.at(0), (ItemKeys{"edit", "Editor 2", {"tool"}}));
    EXPECT_THAT(list.tree(KEY::TAG).lookup("to"), ElementsAre(0));
    EXPECT_THAT(list.tree(KEY::TAG).lookup("te"), ElementsAre(1));
}

TEST(ItemList, ClearsIdsAndItems) {
    ItemList list = sample();
    list.clear();
    EXPECT_EQ(list.size(), 0u);
    EXPECT_FALSE(list.has("edit"));
    list.add({"edit", "", {}});
    EXPECT_EQ(list.at(0).id, "edit");
}

TEST(ItemList, BuildsTreesWhosePositionsAreItsOwn) {
    const ItemList list = sample();
    const ItemList::Tree byName = list.tree(KEY::NAME);
    ASSERT_THAT(byName.lookup("メモ"), ElementsAre(1));
    EXPECT_EQ(list.at(byName.lookup("メモ")[0]).id, "メモ");
    EXPECT_THAT(list.tree(KEY::ID).lookup("m"), ElementsAre(2));
    EXPECT_THAT(list.tree(KEY::TAG).lookup("日本"), ElementsAre(1));
}

} // namespace
} // namespace tavrin::file::items
