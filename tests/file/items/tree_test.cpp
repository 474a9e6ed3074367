#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "file/items/tree.h"

namespace tavrin::file::items {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using KEY = Tree::KEY;

std::vector<Tree::Position> found(const Tree& tree, std::string_view text) {
    const auto positions = tree.lookup(text);
    return {positions.begin(), positions.end()};
}

const std::vector<ItemKeys> items = {
    {"edit", "Editor", {"text", "tool"}},
    {"explorer", "エクスプローラ", {"file", "tool"}},
    {"memo", "メモ帳", {"text", "テキスト"}},
    {"eject", "", {}},
    {"mail", "mail", {"net"}},
    {"メール", "メーラー", {"net", "ネット", "ネットワーク"}},
};

TEST(TreeById, FindsEveryItemWhoseIdBeginsWithTheText) {
    const Tree tree(items, KEY::ID);
    EXPECT_EQ(tree.mode(), KEY::ID);
    EXPECT_THAT(found(tree, "e"), ElementsAre(0, 1, 3));
    EXPECT_THAT(found(tree, "ex"), ElementsAre(1));
    EXPECT_THAT(found(tree, "explorer"), ElementsAre(1));
    EXPECT_THAT(found(tree, "m"), ElementsAre(2, 4));
    EXPECT_THAT(found(tree, "メ"), ElementsAre(5));
    EXPECT_THAT(found(tree, "メール"), ElementsAre(5));
}

TEST(TreeById, FindsNothingPastAMissingCharacterOrTheKeysEnd) {
    const Tree tree(items, KEY::ID);
    EXPECT_THAT(found(tree, "x"), IsEmpty());
    EXPECT_THAT(found(tree, "edx"), IsEmpty());
    EXPECT_THAT(found(tree, "editor"), IsEmpty());
    EXPECT_THAT(found(tree, "メールx"), IsEmpty());
}

TEST(TreeById, ComparesCharactersExactly) {
    const Tree tree(items, KEY::ID);
    EXPECT_THAT(found(tree, "E"), IsEmpty());
    EXPECT_THAT(found(tree, "ｍ"), IsEmpty());
    EXPECT_THAT(found(tree, "め"), IsEmpty());
}

TEST(Tree, ListsEveryEnteredItemForTheEmptyText) {
    EXPECT_THAT(found(Tree(items, KEY::ID), ""), ElementsAre(0, 1, 2, 3, 4, 5));
    EXPECT_THAT(found(Tree(items, KEY::NAME), ""), ElementsAre(0, 1, 2, 5));
    EXPECT_THAT(found(Tree(items, KEY::TAG), ""), ElementsAre(0, 1, 2, 4, 5));
    EXPECT_THAT(found(Tree({}, KEY::ID), ""), IsEmpty());
}

TEST(TreeByName, LeavesOutEmptyNamesAndNamesThatRepeatTheId) {
    const Tree tree(items, KEY::NAME);
    EXPECT_THAT(found(tree, "E"), ElementsAre(0));
    EXPECT_THAT(found(tree, "Ed"), ElementsAre(0));
    EXPECT_THAT(found(tree, "ma"), IsEmpty());
    EXPECT_THAT(found(tree, "ej"), IsEmpty());
    EXPECT_THAT(found(tree, "メ"), ElementsAre(2, 5));
    EXPECT_THAT(found(tree, "メー"), ElementsAre(5));
    EXPECT_THAT(found(tree, "エクス"), ElementsAre(1));
    EXPECT_THAT(found(tree, "edit"), IsEmpty());
}

TEST(TreeByName, FindsEachItemOnceByTwoLetters) {
    const std::vector<ItemKeys> set = {
        {"a", "Notepad", {}}, {"b", "Note", {}}, {"c", "Nx", {}}, {"d", "No", {}}, {"e", "", {}}};
    EXPECT_THAT(found(Tree(set, KEY::NAME), "No"), ElementsAre(0, 1, 3));
}

TEST(TreeByTag, FindsAnItemByAnyOfItsTagsAndOnlyOnce) {
    const Tree tree(items, KEY::TAG);
    EXPECT_THAT(found(tree, "t"), ElementsAre(0, 1, 2));
    EXPECT_THAT(found(tree, "te"), ElementsAre(0, 2));
    EXPECT_THAT(found(tree, "to"), ElementsAre(0, 1));
    EXPECT_THAT(found(tree, "n"), ElementsAre(4, 5));
    // Two tags with a common start list their item once at every shared node.
    EXPECT_THAT(found(tree, "ネ"), ElementsAre(5));
    EXPECT_THAT(found(tree, "ネット"), ElementsAre(5));
    EXPECT_THAT(found(tree, "ネットワ"), ElementsAre(5));
    EXPECT_THAT(found(tree, "テキスト"), ElementsAre(2));
    EXPECT_THAT(found(tree, "edit"), IsEmpty());
}

TEST(TreeByTag, TakesRepeatedTagsAndAnEmptyTagOnce) {
    const std::vector<ItemKeys> set = {{"a", "", {"x", "x", ""}}, {"b", "", {""}}};
    const Tree tree(set, KEY::TAG);
    EXPECT_THAT(found(tree, "x"), ElementsAre(0));
    EXPECT_THAT(found(tree, ""), ElementsAre(0, 1));
}

TEST(Tree, KeysCharactersBeyondTheBasicPlaneAsTwoUnits) {
    const std::vector<ItemKeys> set = {{"𠮷野家", "", {}}, {"𠮟る", "", {}}};
    const Tree tree(set, KEY::ID);
    EXPECT_THAT(found(tree, "𠮷"), ElementsAre(0));
    EXPECT_THAT(found(tree, "𠮟"), ElementsAre(1));
    EXPECT_THAT(found(tree, "𠮷野"), ElementsAre(0));
}

TEST(Tree, TakesAnyNumberOfCharactersUnderOneNode) {
    // Far more children than a node's first allocation holds, entered in no order.
    std::vector<ItemKeys> set;
    for (char16_t c = 0x4E00; c < 0x4E00 + 2000; ++c) {
        const char16_t character = static_cast<char16_t>(0x4E00 + (c * 7919) % 2000);
        std::string id = "\xE4";
        id += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        id += static_cast<char>(0x80 | (character & 0x3F));
        set.push_back({id, "", {}});
    }
    const Tree tree(set, KEY::ID);
    for (Tree::Position position = 0; position < set.size(); ++position) {
        ASSERT_THAT(found(tree, set[position].id), ElementsAre(position));
    }
}

} // namespace
} // namespace tavrin::file::items
