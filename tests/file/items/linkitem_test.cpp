#include "file/items/linkitem.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "etc/drevak/drevakexception.h"
#include "itemdocument.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using fixture::itemsDocument;
using fixture::valueAt;
using ::testing::ElementsAre;
using TYPE = Item::TYPE;

class LinkItemTest : public ::testing::Test {
protected:
    drevak::DvkDocument document = itemsDocument({
        "Item/edit\\Editor",
        "Item/edit/Address\\C:\\\\Tools\\\\edit.exe",
        "Item/edit/WorkFolder\\C:\\\\Work",
        "Item/edit/Option\\-n",
        "Item/edit/Show:2",
        "Item/edit/Icon/Address\\edit.ico",
        "Item/edit/Icon/Index:1",
        "Item/edit/Tags$text",
        "Item/edit/History/Use:9",
        "Item/edit/History/Last\\2001/01/01 00:00:00",
        "Item/edit/Key:69",
        "Item/bare/Type:3",
        "Item/bare/Address\\edit",
        "Item/bare/Tags$mine",
        "Item/own/Type:3",
        "Item/own/Address\\edit",
        "Item/own/Show:3",
        "Item/own/Option\\-own",
        "Item/own/Icon/Index:5",
    });
    drevak::Drevak& items = document.GetChild("Item");

    LinkItem link(const std::string& id) { return LinkItem(Item(id, items), items); }
};

TEST_F(LinkItemTest, ReadsTheLinkedItemsKindAddressAndNameWithItsOwnId) {
    const LinkItem bare = link("bare");
    EXPECT_EQ(bare.id(), "bare");
    EXPECT_EQ(bare.type(), TYPE::NORMAL);
    EXPECT_EQ(bare.fileAddress(), "C:\\Tools\\edit.exe");
    EXPECT_EQ(bare.name(), "Editor");
    EXPECT_EQ(bare.description(), "Editor(bare)[n]");
    EXPECT_EQ(bare.key(), 'E');
    EXPECT_EQ(bare.source().id(), "bare");
}

TEST_F(LinkItemTest, WithoutItsOwnSettingsTheLinkedItemsApply) {
    const LinkItem bare = link("bare");
    EXPECT_EQ(bare.workFolder(), "C:\\Work");
    EXPECT_EQ(bare.option(), "-n");
    EXPECT_EQ(bare.show(), 2);
    EXPECT_FALSE(bare.hasOwnShow());
    EXPECT_TRUE(bare.hasShow());
    EXPECT_EQ(bare.iconAddress(), "edit.ico");
    EXPECT_EQ(bare.iconIndex(), 1);
}

TEST_F(LinkItemTest, TheLinksOwnSettingsWin) {
    const LinkItem own = link("own");
    EXPECT_EQ(own.show(), 3);
    EXPECT_TRUE(own.hasOwnShow());
    EXPECT_EQ(own.option(), "-own");
    EXPECT_EQ(own.iconIndex(), 5);
    EXPECT_EQ(own.workFolder(), "C:\\Work");
    EXPECT_EQ(own.iconAddress(), "edit.ico");
}

TEST_F(LinkItemTest, TagsAndHistoryAreAlwaysTheLinksOwn) {
    LinkItem bare = link("bare");
    EXPECT_THAT(bare.tags(), ElementsAre("mine"));
    EXPECT_EQ(bare.useCount(), 0);
    EXPECT_FALSE(bare.lastUsed().has_value());
    EXPECT_FALSE(bare.registered().has_value());
    bare.setUseCount(4);
    bare.setLastUsed(ItemDateTime("2010/02/03 04:05:06"));
    bare.setRegistered(ItemDateTime("2010/01/01 00:00:00"));
    bare.setTags({"x"});
    EXPECT_EQ(valueAt(document, "Item/bare/History/Use"), ":4");
    EXPECT_EQ(valueAt(document, "Item/bare/History/Last"), "\\2010/02/03 04:05:06");
    EXPECT_EQ(valueAt(document, "Item/bare/History/Regist"), "\\2010/01/01 00:00:00");
    EXPECT_EQ(valueAt(document, "Item/bare/Tags"), "$x");
    EXPECT_EQ(valueAt(document, "Item/edit/History/Use"), ":9");
    EXPECT_EQ(valueAt(document, "Item/edit/History/Last"), "\\2001/01/01 00:00:00");
    EXPECT_EQ(valueAt(document, "Item/edit/Tags"), "$text");
    EXPECT_EQ(bare.useCount(), 4);
}

TEST_F(LinkItemTest, TheCommentIsTheLinksWhenItHasOne) {
    items.GetChild("edit").Comment = "linked";
    EXPECT_EQ(link("bare").comment(), "linked");
    items.GetChild("bare").Comment = "mine";
    EXPECT_EQ(link("bare").comment(), "mine");
}

TEST_F(LinkItemTest, ACopyKeepsTheLinkItWraps) {
    const LinkItem own = link("own");
    const std::unique_ptr<Item> copy = own.clone();
    EXPECT_EQ(copy->id(), "own");
    EXPECT_EQ(copy->show(), 3);
    EXPECT_TRUE(*copy == own);
}

TEST_F(LinkItemTest, ALinkOverALinkTakesTheNearestLinksSettings) {
    document.CreatePath(std::vector<std::string_view>{"Item", "outer", "Type"}) = 3;
    items.GetChild("outer").childOrNew("Address") = std::string("own");
    items.GetChild("outer").childOrNew("Option") = std::string("-outer");
    const LinkItem first = link("outer");
    EXPECT_EQ(first.type(), TYPE::LINK);
    const LinkItem second(first, items);
    EXPECT_EQ(second.id(), "outer");
    EXPECT_EQ(second.type(), TYPE::NORMAL);
    EXPECT_EQ(second.option(), "-outer");
    EXPECT_EQ(second.show(), 3);
    EXPECT_EQ(second.workFolder(), "C:\\Work");
}

TEST_F(LinkItemTest, AMissingTargetRaisesDametteWithTheDocumentsErrorAsCause) {
    items.GetChild("bare").GetChild("Address") = std::string("gone");
    try {
        (void)link("bare");
        ADD_FAILURE() << "viewed a missing item";
    } catch (const system::ItemException&) {
        ADD_FAILURE() << "an ItemException instead of a TavrinException";
    } catch (const system::TavrinException& missing) {
        EXPECT_EQ(missing.message(), "ダメだって");
        EXPECT_NE(dynamic_cast<const drevak::DrevakException*>(missing.next().get()), nullptr);
    }
}

TEST_F(LinkItemTest, AnInvalidTargetIdRaisesTheItemsOwnException) {
    items.GetChild("bare").GetChild("Address") = std::string("no good");
    try {
        (void)link("bare");
        ADD_FAILURE() << "viewed an invalid ID";
    } catch (const system::ItemException& invalid) {
        EXPECT_EQ(invalid.message(), "no good");
    }
}

TEST_F(LinkItemTest, OnlyALinkCanBeWrapped) {
    try {
        (void)LinkItem(Item("edit", items), items);
        ADD_FAILURE() << "wrapped a path item";
    } catch (const system::ItemException& refused) {
        EXPECT_EQ(refused.Code(), system::CODE::ITEM_LINK);
        EXPECT_NE(refused.message().find("edit"), std::string::npos);
    }
}

} // namespace
} // namespace tavrin::file
