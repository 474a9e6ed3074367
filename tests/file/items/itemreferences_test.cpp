#include "file/items/itemreferences.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "itemdocument.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using fixture::itemsDocument;
using system::CODE;
using ::testing::HasSubstr;
using TYPE = Item::TYPE;

// Lines of a link from id to target.
std::vector<std::string> linkLines(const std::string& id, const std::string& target) {
    return {"Item/" + id + "/Type:3", "Item/" + id + "/Address\\" + target};
}

// Lines of a multi-item listing members, separated by TABs.
std::vector<std::string> multiLines(const std::string& id, const std::string& members) {
    return {"Item/" + id + "/Type:2", "Item/" + id + "/Address$" + members};
}

drevak::DvkDocument documentOf(const std::vector<std::vector<std::string>>& items) {
    std::vector<std::string> lines{"Item/app/Address\\C:\\\\app.exe", "Item/app/Option\\-a"};
    for (const std::vector<std::string>& item : items) {
        lines.insert(lines.end(), item.begin(), item.end());
    }
    return itemsDocument(lines);
}

// The ItemException that the call raises for the item.
template <typename Call>
system::ItemException refusal(drevak::DvkDocument& document, const std::string& id, Call call) {
    const Item item(id, document.GetChild("Item"));
    try {
        call(item);
    } catch (const system::ItemException& refused) {
        return refused;
    }
    ADD_FAILURE() << id << " was taken";
    return system::ItemException("");
}

void follow(const Item& item) {
    (void)followLinks(item);
}

TEST(FollowLinksTest, AnItemThatIsNoLinkIsItself) {
    drevak::DvkDocument document = documentOf({});
    const std::unique_ptr<Item> view = followLinks(Item("app", document.GetChild("Item")));
    EXPECT_EQ(view->id(), "app");
    EXPECT_EQ(view->fileAddress(), "C:\\app.exe");
}

TEST(FollowLinksTest, AChainEndsInTheItemItLeadsTo) {
    drevak::DvkDocument document = documentOf({linkLines("a", "b"), linkLines("b", "app")});
    document.GetChild("Item/b").childOrNew("Option") = std::string("-b");
    const std::unique_ptr<Item> view = followLinks(Item("a", document.GetChild("Item")));
    EXPECT_EQ(view->id(), "a");
    EXPECT_EQ(view->type(), TYPE::NORMAL);
    EXPECT_EQ(view->fileAddress(), "C:\\app.exe");
    EXPECT_EQ(view->option(), "-b");
}

TEST(FollowLinksTest, ALinkToItselfIsRefusedNamingIt) {
    drevak::DvkDocument document = documentOf({linkLines("self", "self")});
    const system::ItemException refused = refusal(document, "self", follow);
    EXPECT_EQ(refused.Code(), CODE::ITEM_LINK);
    EXPECT_THAT(refused.message(), HasSubstr("アイテム(self)"));
    EXPECT_THAT(refused.message(), HasSubstr("self -> self"));
}

TEST(FollowLinksTest, ARingOfLinksIsRefusedFromEveryLinkOnIt) {
    drevak::DvkDocument document =
        documentOf({linkLines("a", "b"), linkLines("b", "c"), linkLines("c", "a")});
    for (const std::string id : {"a", "b", "c"}) {
        const system::ItemException refused = refusal(document, id, follow);
        EXPECT_EQ(refused.Code(), CODE::ITEM_LINK);
        EXPECT_THAT(refused.message(), HasSubstr("アイテム(" + id + ")"));
    }
    EXPECT_THAT(refusal(document, "a", follow).message(), HasSubstr("a -> b -> c -> a"));
}

TEST(FollowLinksTest, ALinkIntoARingIsRefused) {
    drevak::DvkDocument document =
        documentOf({linkLines("in", "a"), linkLines("a", "b"), linkLines("b", "a")});
    EXPECT_THAT(refusal(document, "in", follow).message(), HasSubstr("アイテム(in)"));
}

TEST(FollowLinksTest, AChainLongerThanTheLimitIsRefusedAndOneAtTheLimitIsFollowed) {
    std::vector<std::vector<std::string>> chain;
    for (std::size_t at = 0; at < MAX_REFERENCE_DEPTH; ++at) {
        chain.push_back(linkLines("l" + std::to_string(at), "l" + std::to_string(at + 1)));
    }
    chain.push_back(linkLines("l" + std::to_string(MAX_REFERENCE_DEPTH), "app"));
    drevak::DvkDocument document = documentOf(chain);
    drevak::Drevak& items = document.GetChild("Item");
    EXPECT_EQ(followLinks(Item("l1", items))->fileAddress(), "C:\\app.exe");
    const system::ItemException refused = refusal(document, "l0", follow);
    EXPECT_THAT(refused.message(), HasSubstr("アイテム(l0)の参照が深すぎる"));
}

void check(const Item& item) {
    checkItemLoops(item);
}

TEST(CheckItemLoopsTest, ItemsWithoutLoopsPass) {
    drevak::DvkDocument document = documentOf({
        multiLines("m", "app\tl\tapp\tgone\tno good\tinner"),
        linkLines("l", "app"),
        multiLines("inner", "app\tl"),
    });
    drevak::Drevak& items = document.GetChild("Item");
    for (const std::string id : {"app", "m", "l", "inner"}) {
        EXPECT_NO_THROW(checkItemLoops(Item(id, items))) << id;
    }
}

TEST(CheckItemLoopsTest, AMultiItemListingItselfIsRefused) {
    drevak::DvkDocument document = documentOf({multiLines("m", "app\tm")});
    const system::ItemException refused = refusal(document, "m", check);
    EXPECT_EQ(refused.Code(), CODE::ITEM_MULTI);
    EXPECT_THAT(refused.message(), HasSubstr("アイテム(m)"));
    EXPECT_THAT(refused.message(), HasSubstr("m -> m"));
}

TEST(CheckItemLoopsTest, AMultiItemContainingItselfThroughOthersIsRefused) {
    drevak::DvkDocument document = documentOf({
        multiLines("m", "app\tn"),
        multiLines("n", "l"),
        linkLines("l", "m"),
    });
    const system::ItemException refused = refusal(document, "m", check);
    EXPECT_EQ(refused.Code(), CODE::ITEM_MULTI);
    EXPECT_THAT(refused.message(), HasSubstr("m -> n -> l -> m"));
    // Started through the link, the same loop is found.
    EXPECT_THAT(refusal(document, "l", check).message(), HasSubstr("アイテム(l)"));
}

TEST(CheckItemLoopsTest, LinksInARingAreRefusedAsLinks) {
    drevak::DvkDocument document = documentOf({linkLines("a", "b"), linkLines("b", "a")});
    EXPECT_EQ(refusal(document, "a", check).Code(), CODE::ITEM_LINK);
}

TEST(CheckItemLoopsTest, SharedMembersAreNoLoop) {
    // Each level lists the next twice: the walk must neither call this a loop nor visit
    // every one of the 2^40 paths.
    std::vector<std::vector<std::string>> levels;
    for (int at = 0; at < 40; ++at) {
        const std::string next = "m" + std::to_string(at + 1);
        levels.push_back(multiLines("m" + std::to_string(at), next + "\t" + next));
    }
    levels.push_back(multiLines("m40", "app"));
    drevak::DvkDocument document = documentOf(levels);
    EXPECT_NO_THROW(checkItemLoops(Item("m0", document.GetChild("Item"))));
}

TEST(CheckItemLoopsTest, NestingDeeperThanTheLimitIsRefused) {
    std::vector<std::vector<std::string>> levels;
    for (std::size_t at = 0; at <= MAX_REFERENCE_DEPTH; ++at) {
        levels.push_back(multiLines("m" + std::to_string(at), "m" + std::to_string(at + 1)));
    }
    levels.push_back(multiLines("m" + std::to_string(MAX_REFERENCE_DEPTH + 1), "app"));
    drevak::DvkDocument document = documentOf(levels);
    EXPECT_NO_THROW(checkItemLoops(Item("m2", document.GetChild("Item"))));
    EXPECT_THAT(refusal(document, "m0", check).message(), HasSubstr("深すぎる"));
}

} // namespace
} // namespace tavrin::file
