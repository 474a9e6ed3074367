#include "file/items/item.h"

#include <array>
#include <functional>
#include <memory>
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
using ::testing::IsEmpty;
using TYPE = Item::TYPE;
using ITEM = Item::ITEM;

constexpr std::string_view EVERY_DEFAULT = "Item/edit\\Editor\r\n"
                                           "Item/edit/Address\\\\e\r\n"
                                           "Item/edit/History/Last\\\\e\r\n"
                                           "Item/edit/History/Options$\r\n"
                                           "Item/edit/History/Regist\\\\e\r\n"
                                           "Item/edit/History/Use:0\r\n"
                                           "Item/edit/History/WorkFolders$\r\n"
                                           "Item/edit/Icon/Address\\\\e\r\n"
                                           "Item/edit/Icon/Index:0\r\n"
                                           "Item/edit/Key:65\r\n"
                                           "Item/edit/Option\\\\e\r\n"
                                           "Item/edit/Show:1\r\n"
                                           "Item/edit/Tags$\r\n"
                                           "Item/edit/Type:0\r\n"
                                           "Item/edit/WorkFolder\\\\e\r\n";

// The document's text after an item was built over "Item/<id>".
std::string repaired(const std::vector<std::string>& lines, const std::string& id = "edit") {
    drevak::DvkDocument document = itemsDocument(lines);
    const Item item(id, document.GetChild("Item"));
    return document.toString();
}

TEST(ItemBuildTest, AnItemWithOnlyANameGetsEveryDefault) {
    drevak::DvkDocument document = itemsDocument({"Item/edit\\Editor"});
    const Item item("edit", document.GetChild("Item"));
    EXPECT_EQ(document.toString(), EVERY_DEFAULT);
    EXPECT_EQ(item.nodeCount(), Item::ITEM_COUNT);
    EXPECT_EQ(item.node(0), &document.GetChild("Item/edit"));
    EXPECT_EQ(item.node(static_cast<std::size_t>(ITEM::ICON_INDEX)),
              &document.GetChild("Item/edit/Icon/Index"));
    EXPECT_EQ(item.node(static_cast<std::size_t>(ITEM::HISTORY_USE)),
              &document.GetChild("Item/edit/History/Use"));
    EXPECT_EQ(item.type(), TYPE::NORMAL);
    EXPECT_EQ(item.name(), "Editor");
    EXPECT_EQ(item.show(), 1);
    EXPECT_EQ(item.key(), 'A');
    EXPECT_THAT(item.tags(), IsEmpty());
    EXPECT_FALSE(item.registered().has_value());
    EXPECT_FALSE(item.lastUsed().has_value());
}

TEST(ItemBuildTest, ValidSettingsStay) {
    const std::vector<std::string> lines{
        "Item/edit\\Editor",
        "Item/edit/Type:1",
        "Item/edit/Address\\x",
        "Item/edit/WorkFolder\\C:\\w",
        "Item/edit/Option\\-a",
        "Item/edit/Icon/Address\\i.ico",
        "Item/edit/Icon/Index:7",
        "Item/edit/Show:11",
        "Item/edit/Tags$a\tb",
        "Item/edit/Key:90",
        "Item/edit/History/Use:3",
        "Item/edit/History/Last\\2009/09/12 17:03:13",
        "Item/edit/History/Regist\\\\e",
        "Item/edit/History/Options$-q",
        "Item/edit/History/WorkFolders$C:\\a",
    };
    const drevak::DvkDocument before = itemsDocument(lines);
    EXPECT_EQ(repaired(lines), before.toString());
}

TEST(ItemBuildTest, OutOfRangeValuesGetTheirDefaults) {
    for (const auto& [line, address, expected] : std::vector<std::array<std::string, 3>>{
             {"Item/edit/Show:12", "Item/edit/Show", ":1"},
             {"Item/edit/Show:-1", "Item/edit/Show", ":1"},
             {"Item/edit/Key:64", "Item/edit/Key", ":65"},
             {"Item/edit/Key:91", "Item/edit/Key", ":65"},
             {"Item/edit/Type:4", "Item/edit/Type", ":0"},
             {"Item/edit/Type:-1", "Item/edit/Type", ":0"},
             {"Item/edit/Icon/Index:-1", "Item/edit/Icon/Index", ":0"},
             {"Item/edit/History/Use:-2", "Item/edit/History/Use", ":0"},
         }) {
        drevak::DvkDocument document = itemsDocument({line});
        const Item item("edit", document.GetChild("Item"));
        EXPECT_EQ(valueAt(document, address), expected) << line;
    }
}

TEST(ItemBuildTest, ValuesOfTheWrongTypeAreReset) {
    drevak::DvkDocument document = itemsDocument({
        "Item/edit/Type\\0",
        "Item/edit/Address:5",
        "Item/edit/WorkFolder:1",
        "Item/edit/Show\\1",
        "Item/edit/Tags\\a",
        "Item/edit/History/Use\\3",
        "Item/edit/History/Last$a",
        "Item/edit/Icon:4",
        "Item/edit/History\\h",
    });
    const Item item("edit", document.GetChild("Item"));
    EXPECT_EQ(valueAt(document, "Item/edit/Type"), ":0");
    EXPECT_EQ(valueAt(document, "Item/edit/Address"), "\\\\e");
    EXPECT_EQ(valueAt(document, "Item/edit/WorkFolder"), "\\\\e");
    EXPECT_EQ(valueAt(document, "Item/edit/Show"), ":1");
    EXPECT_EQ(valueAt(document, "Item/edit/Tags"), "$");
    EXPECT_EQ(valueAt(document, "Item/edit/History/Use"), ":0");
    EXPECT_EQ(valueAt(document, "Item/edit/History/Last"), "\\\\e");
    // Group nodes lose their values but keep their settings.
    EXPECT_EQ(valueAt(document, "Item/edit/Icon"), "");
    EXPECT_EQ(valueAt(document, "Item/edit/History"), "");
    EXPECT_EQ(valueAt(document, "Item/edit/Icon/Index"), ":0");
}

TEST(ItemBuildTest, AddressKeepsAListOnAPathItemAndStartsAsAListOnAMultiItem) {
    drevak::DvkDocument document =
        itemsDocument({"Item/path/Address$a\tb", "Item/multi/Type:2", "Item/link/Type:3"});
    drevak::Drevak& items = document.GetChild("Item");
    const Item path("path", items);
    const Item multi("multi", items);
    const Item link("link", items);
    EXPECT_EQ(valueAt(document, "Item/path/Address"), "$a\tb");
    EXPECT_THAT(path.multiAddresses(), ElementsAre("a", "b"));
    EXPECT_EQ(path.fileAddress(), "");
    EXPECT_EQ(valueAt(document, "Item/multi/Address"), "$");
    EXPECT_EQ(valueAt(document, "Item/link/Address"), "\\\\e");
}

TEST(ItemBuildTest, ALinkGetsNoNodeForTheSettingsItMayLeaveOut) {
    drevak::DvkDocument document =
        itemsDocument({"Item/link/Type:3", "Item/link/Address\\edit", "Item/link/Option:1"});
    const Item link("link", document.GetChild("Item"));
    EXPECT_FALSE(link.hasShow());
    EXPECT_FALSE(link.hasWorkFolder());
    EXPECT_FALSE(link.hasIconAddress());
    EXPECT_FALSE(link.hasIconIndex());
    EXPECT_EQ(valueAt(document, "Item/link/Show"), "(none)");
    EXPECT_EQ(valueAt(document, "Item/link/Icon"), "");
    EXPECT_EQ(valueAt(document, "Item/link/Icon/Index"), "(none)");
    // Present, it is repaired like any other setting.
    EXPECT_TRUE(link.hasOption());
    EXPECT_EQ(valueAt(document, "Item/link/Option"), "\\\\e");
    // The rest is created as for every item, and absent settings read as their defaults.
    EXPECT_EQ(valueAt(document, "Item/link/Key"), ":65");
    EXPECT_EQ(valueAt(document, "Item/link/History/Use"), ":0");
    EXPECT_EQ(link.show(), 1);
    EXPECT_EQ(link.iconIndex(), 0);
    EXPECT_EQ(link.workFolder(), "");
}

TEST(ItemBuildTest, InvalidIdsAreRefusedWithTheIdAsMessageAndCreateNothing) {
    for (const std::string id : {"", "a b", "a.b", "a,b", "a\tb", "/a", "a/", "a//b"}) {
        drevak::DvkDocument document = itemsDocument({"Item/a\\x"});
        try {
            const Item item(id, document.GetChild("Item"));
            ADD_FAILURE() << "accepted \"" << id << "\"";
        } catch (const system::ItemException& refused) {
            EXPECT_EQ(refused.message(), id);
        }
        EXPECT_EQ(document.toString(), "Item/a\\x\r\n") << id;
    }
}

TEST(ItemBuildTest, AnIdWithASlashInsideNamesANestedNode) {
    drevak::DvkDocument document = itemsDocument({"Item/tools/edit\\Editor"});
    const Item item("tools/edit", document.GetChild("Item"));
    EXPECT_EQ(item.name(), "Editor");
    EXPECT_EQ(valueAt(document, "Item/tools/edit/Key"), ":65");
}

TEST(ItemBuildTest, AMissingItemRaisesTheDocumentsError) {
    drevak::DvkDocument document = itemsDocument({"Item/a\\x"});
    EXPECT_THROW(Item("b", document.GetChild("Item")), drevak::DrevakException);
}

class ItemTest : public ::testing::Test {
protected:
    drevak::DvkDocument document = itemsDocument({"Item/edit\\Editor"});
    Item item{"edit", document.GetChild("Item")};
};

TEST_F(ItemTest, DescriptionShowsNameIdAndKindLetter) {
    EXPECT_EQ(item.description(), "Editor(edit)[n]");
    item.setName("");
    EXPECT_EQ(item.description(), "(edit)[n]");
    item.setUriAddress("http://x/");
    EXPECT_EQ(item.description(), "(edit)[u]");
    item.setMultiAddresses({"a"});
    EXPECT_EQ(item.description(), "(edit)[m]");
    item.setLinkAddress("a");
    EXPECT_EQ(item.description(), "(edit)[l]");
}

TEST_F(ItemTest, AddressSettersSetTheirKindAndEveryGetterReadsTheStoredAddress) {
    item.setUriAddress("http://x/");
    EXPECT_EQ(item.type(), TYPE::URI);
    EXPECT_EQ(item.fileAddress(), "http://x/");
    EXPECT_EQ(item.linkAddress(), "http://x/");
    EXPECT_THAT(item.multiAddresses(), IsEmpty());
    item.setMultiAddresses({"a", "b"});
    EXPECT_EQ(item.type(), TYPE::MULTI);
    EXPECT_EQ(valueAt(document, "Item/edit/Address"), "$a\tb");
    EXPECT_EQ(item.uriAddress(), "");
    item.setLinkAddress("other");
    EXPECT_EQ(item.type(), TYPE::LINK);
    item.setFileAddress("C:\\a.exe");
    EXPECT_EQ(item.type(), TYPE::NORMAL);
    EXPECT_EQ(valueAt(document, "Item/edit/Address"), "\\C:\\\\a.exe");
}

TEST_F(ItemTest, SettersWriteTheDocument) {
    item.setComment("note");
    item.setWorkFolder("C:\\w");
    item.setOption("-x");
    item.setIconAddress("i.ico");
    item.setIconIndex(2);
    item.setShow(3);
    item.setTags({"t1", "t2"});
    item.setKey('Z');
    item.setHistoryWorkFolders({"C:\\a"});
    item.setHistoryOptions({"-y"});
    EXPECT_EQ(document.GetChild("Item/edit").Comment, "note");
    EXPECT_EQ(item.comment(), "note");
    EXPECT_EQ(valueAt(document, "Item/edit/WorkFolder"), "\\C:\\\\w");
    EXPECT_EQ(valueAt(document, "Item/edit/Option"), "\\-x");
    EXPECT_EQ(valueAt(document, "Item/edit/Icon/Address"), "\\i.ico");
    EXPECT_EQ(valueAt(document, "Item/edit/Icon/Index"), ":2");
    EXPECT_EQ(valueAt(document, "Item/edit/Show"), ":3");
    EXPECT_EQ(valueAt(document, "Item/edit/Tags"), "$t1\tt2");
    EXPECT_EQ(valueAt(document, "Item/edit/Key"), ":90");
    EXPECT_THAT(item.historyWorkFolders(), ElementsAre("C:\\a"));
    EXPECT_THAT(item.historyOptions(), ElementsAre("-y"));
    EXPECT_EQ(item.key(), 'Z');
}

TEST_F(ItemTest, SettersRefuseWhatTheRepairWouldThrowAway) {
    EXPECT_THROW(item.setShow(12), system::ItemException);
    EXPECT_THROW(item.setShow(-1), system::ItemException);
    EXPECT_THROW(item.setIconIndex(-1), system::ItemException);
    EXPECT_THROW(item.setKey('a'), system::ItemException);
    EXPECT_THROW(item.setKey('@'), system::ItemException);
    EXPECT_EQ(item.show(), 1);
    EXPECT_EQ(item.iconIndex(), 0);
    EXPECT_EQ(item.key(), 'A');
}

TEST_F(ItemTest, ANegativeUseCountIsStoredAsZero) {
    item.setUseCount(4);
    EXPECT_EQ(item.useCount(), 4);
    item.setUseCount(-5);
    EXPECT_EQ(valueAt(document, "Item/edit/History/Use"), ":0");
}

TEST_F(ItemTest, HistoryTimesAreStoredAsTheirTextAndReadBack) {
    item.setRegistered(ItemDateTime("2008/01/02 03:04:05"));
    item.setLastUsed(ItemDateTime("2009/09/12 17:03:13"));
    EXPECT_EQ(valueAt(document, "Item/edit/History/Regist"), "\\2008/01/02 03:04:05");
    EXPECT_EQ(item.registered()->toString(), "2008/01/02 03:04:05");
    EXPECT_EQ(item.lastUsed()->toString(), "2009/09/12 17:03:13");
    EXPECT_EQ(item.lastUsed()->dayOfWeek(), 6);
}

TEST(ItemHistoryTest, ADamagedTimeRaisesItsExceptionWhenRead) {
    drevak::DvkDocument document = itemsDocument({"Item/edit/History/Last\\yesterday"});
    const Item item("edit", document.GetChild("Item"));
    try {
        (void)item.lastUsed();
        ADD_FAILURE() << "read a damaged time";
    } catch (const system::ItemException& damaged) {
        EXPECT_EQ(damaged.Code(), system::CODE::ITEM_DATE_LENGTH);
    }
}

TEST(ItemOptionalTest, SettingAnAbsentOptionalSettingCreatesItsNode) {
    drevak::DvkDocument document =
        itemsDocument({"Item/link/Type:3", "Item/link/Address\\edit", "Item/link/Icon:1"});
    Item link("link", document.GetChild("Item"));
    link.setShow(3);
    link.setIconIndex(4);
    link.setWorkFolder("w");
    EXPECT_TRUE(link.hasShow());
    EXPECT_TRUE(link.hasIconIndex());
    EXPECT_FALSE(link.hasIconAddress());
    EXPECT_EQ(valueAt(document, "Item/link/Show"), ":3");
    EXPECT_EQ(valueAt(document, "Item/link/Icon/Index"), ":4");
    EXPECT_EQ(valueAt(document, "Item/link/WorkFolder"), "\\w");
    EXPECT_EQ(link.show(), 3);
}

TEST(ItemEqualityTest, ItemsAreEqualByIdAlone) {
    drevak::DvkDocument document = itemsDocument({"Item/a\\x", "Item/b\\x"});
    drevak::Drevak& items = document.GetChild("Item");
    const Item a("a", items);
    const Item b("b", items);
    EXPECT_TRUE(a == Item("a", items));
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(*a.clone() == a);
}

struct Going {
    std::string_view how;
    void (*go)(std::unique_ptr<drevak::DvkDocument>& document);
};

std::string errorOf(const std::function<void()>& use) {
    try {
        use();
    } catch (const system::ItemError& gone) {
        return gone.message();
    }
    return "(nothing raised)";
}

// The item dialog deletes items and a rebuilt application drops its documents while views
// may still be held. New items and new history values leave the views working; once their
// item is gone they raise instead of reading freed nodes (which AddressSanitizer would see
// in the native run).
TEST(ItemGoneTest, AViewRaisesItsItemErrorOnceTheItemOrItsDocumentIsGone) {
    const Going goings[] = {
        {"item deleted", [](auto& d) { d->GetChild("Item").RemoveChild("edit"); }},
        {"document destroyed", [](auto& d) { d.reset(); }},
    };
    for (const Going& going : goings) {
        auto document = std::make_unique<drevak::DvkDocument>(itemsDocument({"Item/edit\\Editor"}));
        Item item("edit", document->GetChild("Item"));
        const std::unique_ptr<Item> copy = item.clone();
        document->GetChild("Item").childOrNew("added") = std::string("Added");
        const Item added("added", document->GetChild("Item"));
        item.setHistoryOptions({"-x"});
        EXPECT_EQ(copy->description(), "Editor(edit)[n]") << going.how;

        going.go(document);
        const std::function<void()> uses[] = {
            [&] { (void)item.name(); },
            [&] { item.setUseCount(1); },
            [&] { (void)item.items(); },
            [&] { (void)copy->description(); },
        };
        for (const auto& use : uses) {
            EXPECT_EQ(errorOf(use), "item \"edit\" no longer exists") << going.how;
        }
        EXPECT_EQ(item.id(), "edit") << "the view keeps its own copy of the ID";
    }
}

} // namespace
} // namespace tavrin::file
