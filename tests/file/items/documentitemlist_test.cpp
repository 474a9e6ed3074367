#include "file/items/documentitemlist.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "itemdocument.h"
#include "logfiles.h"

namespace tavrin::file::items {
namespace {

using ::testing::Contains;
using ::testing::StartsWith;
using KEY = ItemList::Tree::KEY;

// The IDs of the items a tree finds for the text, in the list's order.
std::vector<std::string> found(const ItemList& list, KEY mode, std::string_view text) {
    const ItemList::Tree tree = list.tree(mode);
    std::vector<std::string> ids;
    for (const ItemList::Tree::Position position : tree.lookup(text)) {
        ids.push_back(list.at(position).id);
    }
    return ids;
}

TEST(DocumentItemListTest, FindsTheDocumentsItemsByIdNameAndTagLeavingOutWhatIsNoItem) {
    drevak::DvkDocument document = fixture::itemsDocument({
        "Item/edit\\Editor",
        "Item/edit/Tags$text\ttool",
        "Item/memo\\メモ帳",
        "Item/memo/Tags$text\t日本語",
        // A display name that is the ID finds nothing by name.
        "Item/mail\\mail",
        "Item/mail/Tags\\not a list",
        // A link keeps its own name and tags, also when its target is gone.
        "Item/link\\Mail link",
        "Item/link/Type:3",
        "Item/link/Address\\gone",
        "Item/link/Tags$net",
    });
    drevak::Drevak& items = document.GetChild("Item");
    items.childOrNew("a b") = std::string("no ID");

    systemtest::TestLog log;
    const ItemList list = documentItemList(items);
    EXPECT_THAT(systemtest::logMessages(log.end()),
                Contains(StartsWith("item left out of the list: a b\r\n")));

    // The list is a copy: what becomes of the document later does not change it.
    items.RemoveChild("edit");
    ASSERT_EQ(list.size(), 4u);
    EXPECT_FALSE(list.has("a b"));
    EXPECT_EQ(list.item("memo").name, "メモ帳");
    const struct {
        KEY mode;
        std::string text;
        std::vector<std::string> ids;
    } searches[] = {
        {KEY::ID, "", {"edit", "memo", "mail", "link"}},
        {KEY::ID, "m", {"memo", "mail"}},
        {KEY::ID, "a", {}},
        {KEY::NAME, "", {"edit", "memo", "link"}},
        {KEY::NAME, "メモ", {"memo"}},
        {KEY::NAME, "ma", {}},
        {KEY::TAG, "te", {"edit", "memo"}},
        {KEY::TAG, "日本", {"memo"}},
        {KEY::TAG, "n", {"link"}},
    };
    for (const auto& search : searches) {
        EXPECT_EQ(found(list, search.mode, search.text), search.ids)
            << static_cast<int>(search.mode) << " " << search.text;
    }
}

} // namespace
} // namespace tavrin::file::items
