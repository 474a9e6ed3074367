#include "file/items/groupitems.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "etc/drevak/convert.h"
#include "etc/drevak/dvkdocument.h"
#include "iconwidth.h"
#include "scratch_folder.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using fixture::iconWidth;
using image::ICONSIZE;
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
    EXPECT_EQ(captions({"web", "missing", "edit", "", "/edit", "tools/calc", "edit"}),
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

TEST_F(GroupItemsTest, ItemThatCannotBeViewedStopsTheList) {
    try {
        groupDisplayItems({"edit", "broken"}, items, ICONSIZE::SMALL, false);
        ADD_FAILURE() << "nothing raised";
    } catch (const system::TavrinException& raised) {
        EXPECT_EQ(raised.message(), "ダメだって");
    }
    items.childOrNew("a b") = std::string("invalid ID");
    EXPECT_THROW(groupDisplayItems({"a b"}, items, ICONSIZE::SMALL, false), system::ItemException);
}

} // namespace
} // namespace tavrin::file
