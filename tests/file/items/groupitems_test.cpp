#include "file/items/groupitems.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "etc/drevak/convert.h"
#include "etc/drevak/dvkdocument.h"
#include "iconwidth.h"
#include "logfiles.h"
#include "scratch_folder.h"

namespace tavrin::file {
namespace {

using fixture::iconWidth;
using image::ICONSIZE;
using image::SYSICON;
using TYPE = Item::TYPE;

// "edit" a path item over a real file, "tools/calc" a nested ID, "web" an address, "link" a
// link to "edit" and "broken" a link to an item that does not exist.
class GroupItemsTest : public ::testing::Test {
protected:
    GroupItemsTest() {
        fixture::writeBytes(fixture::fromUtf8(file), "text");
        add("edit", TYPE::NORMAL, file, "Editor");
        add("tools/calc", TYPE::NORMAL, scratch.path("calc.exe"), "Calc");
        add("web", TYPE::URI, "http://example.com/", "");
        add("link", TYPE::LINK, "edit", "");
        add("broken", TYPE::LINK, "nowhere", "");
    }

    void add(const std::string& id, TYPE type, const std::string& address,
             const std::string& name) {
        drevak::Drevak& item = items.CreatePath(drevak::Convert::splitAddress(id));
        item = name;
        item.childOrNew("Type") = static_cast<Item::Integer>(type);
        item.childOrNew("Address") = address;
    }

    std::vector<std::string> captions(const std::vector<std::string>& ids) {
        std::vector<std::string> shown;
        for (const BM_ITEM& record : groupDisplayItems(ids, items, ICONSIZE::SMALL, false)) {
            shown.push_back(record.item->id() + "=" + record.caption);
        }
        return shown;
    }

    fixture::ScratchFolder scratch;
    const std::string file = scratch.path("メモ.txt");
    drevak::DvkDocument document;
    drevak::Drevak& items = document.childOrNew("Item");
};

TEST_F(GroupItemsTest, ListedItemsAreShownInListOrderAndIdsWithoutAnItemArePassedOver) {
    // A child under a name that no ID can have is no item either.
    items.childOrNew("a b") = std::string("invalid ID");
    EXPECT_EQ(captions({"web", "missing", "edit", "", "/edit", "a b", "tools/calc", "edit"}),
              (std::vector<std::string>{"web=web", "edit=Editor", "tools/calc=tools/calc",
                                        "edit=Editor"}));
    EXPECT_TRUE(captions({}).empty());
    EXPECT_FALSE(items.HaveChild("missing"));
}

TEST_F(GroupItemsTest, LinkIsShownWithTheLinkedItemsSettingsAndItsOwnId) {
    const std::vector<BM_ITEM> shown = groupDisplayItems({"link"}, items, ICONSIZE::LARGE, true);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].item->id(), "link");
    EXPECT_EQ(shown[0].item->type(), TYPE::NORMAL);
    EXPECT_EQ(shown[0].item->fileAddress(), file);
    EXPECT_EQ(shown[0].caption, "Editor");
    EXPECT_TRUE(shown[0].usable);
    EXPECT_EQ(iconWidth(shown[0].icon), 32);
}

TEST_F(GroupItemsTest, IconsAreLoadedOnlyWhenAskedForInTheSizeAskedFor) {
    const std::vector<BM_ITEM> small =
        groupDisplayItems({"edit", "web"}, items, ICONSIZE::SMALL, true);
    ASSERT_EQ(small.size(), 2u);
    EXPECT_EQ(iconWidth(small[0].icon), 16);
    EXPECT_EQ(iconWidth(small[1].icon), 16);
    EXPECT_EQ(groupDisplayItems({"edit"}, items, ICONSIZE::SMALL, false)[0].icon.get(), nullptr);
}

TEST_F(GroupItemsTest, ItemsThatCannotBeShownAreListedAsNotUsableAndTheRestAsUsual) {
    // Wine answers for a share out of reach with an error other than "not found", as Windows
    // does for a denied access or a failed logon.
    const std::string share = "\\\\nonexistent-host\\share\\";
    add("share", TYPE::NORMAL, share + "x.exe", "Share");
    add("loop", TYPE::LINK, "ring", "Loop");
    add("ring", TYPE::LINK, "loop", "");
    items.GetChild("web").childOrNew("Icon").childOrNew("Address") = share + "web.ico";
    struct Row {
        std::string id;
        std::string caption;
        bool usable;
        // The stock icon shown; none for the file's own icon.
        std::optional<SYSICON> stock;
        // What the log says about the item; empty when nothing.
        std::string logged;
    };
    const std::vector<Row> rows = {
        {"edit", "Editor", true, std::nullopt, ""},
        {"broken", "broken", false, SYSICON::EXCLAMATION, "ダメだって"},
        {"share", "share", false, SYSICON::EXCLAMATION, ""},
        {"loop", "loop", false, SYSICON::EXCLAMATION, "アイテム(loop)の参照が循環"},
        {"web", "web", true, SYSICON::URI, ""},
    };
    std::vector<std::string> ids;
    for (const Row& row : rows) {
        ids.push_back(row.id);
    }

    systemtest::TestLog log;
    const std::vector<BM_ITEM> shown = groupDisplayItems(ids, items, ICONSIZE::SMALL, true);
    const std::vector<std::string> logged = systemtest::logMessages(log.end());

    ASSERT_EQ(shown.size(), rows.size());
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const Row& row = rows[index];
        const BM_ITEM& record = shown[index];
        EXPECT_EQ(record.item->id(), row.id);
        EXPECT_EQ(record.caption, row.caption) << row.id;
        EXPECT_EQ(record.usable, row.usable) << row.id;
        if (row.stock) {
            EXPECT_EQ(record.icon.get(), image::GetSystemIcon(ICONSIZE::SMALL, *row.stock).get())
                << row.id;
        } else {
            EXPECT_TRUE(record.icon.owns()) << row.id;
        }
        const auto entry = std::find_if(logged.begin(), logged.end(), [&row](const auto& message) {
            return message.starts_with("item shown as not usable: " + row.id + "\r\n");
        });
        EXPECT_EQ(entry != logged.end(), !row.logged.empty()) << row.id;
        if (entry != logged.end()) {
            EXPECT_NE(entry->find(row.logged), std::string::npos) << row.id;
        }
    }
}

} // namespace
} // namespace tavrin::file
