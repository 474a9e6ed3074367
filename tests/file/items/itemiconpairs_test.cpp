#include "file/items/itemiconpairs.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "etc/drevak/dvkdocument.h"
#include "file/items/linkitem.h"
#include "scratch_folder.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using image::ICONSIZE;
using TYPE = Item::TYPE;

// "edit" a path item over a real file, "gone" one whose file is missing, "web" an address
// and "link" a link to "edit".
class ItemIconPairsTest : public ::testing::Test {
protected:
    ItemIconPairsTest() {
        fixture::writeBytes(fixture::fromUtf8(file), "text");
        add("edit", TYPE::NORMAL, file);
        add("gone", TYPE::NORMAL, scratch.path("gone.exe"));
        add("web", TYPE::URI, "http://example.com/");
        add("link", TYPE::LINK, "edit");
        for (const char* id : {"edit", "gone", "web"}) {
            pairs.append(Item(id, items));
        }
    }

    void add(const std::string& id, TYPE type, const std::string& address) {
        drevak::Drevak& node = items.childOrNew(id);
        node.childOrNew("Type") = static_cast<Item::Integer>(type);
        node.childOrNew("Address") = address;
    }

    std::vector<std::string> ids() const {
        std::vector<std::string> listed;
        for (std::size_t index = 0; index < pairs.size(); ++index) {
            listed.push_back(pairs[index].item->id());
            EXPECT_EQ(pairs.position(listed.back()), index);
        }
        return listed;
    }

    static std::string raisedText(const std::function<void()>& call) {
        try {
            call();
        } catch (const system::TavrinException& raised) {
            return raised.message();
        }
        return "nothing raised";
    }

    fixture::ScratchFolder scratch;
    const std::string file = scratch.path("メモ.txt");
    drevak::DvkDocument document;
    drevak::Drevak& items = document.childOrNew("Item");
    ItemIconPairs pairs{ICONSIZE::SMALL};
};

TEST_F(ItemIconPairsTest, ItemsKeepTheirOrderAndAreFoundByIdWithTheirIcons) {
    EXPECT_EQ(ids(), (std::vector<std::string>{"edit", "gone", "web"}));
    EXPECT_TRUE(pairs.has("web"));
    EXPECT_FALSE(pairs.has("link"));
    EXPECT_EQ(raisedText([&] { pairs.position("link"); }), "あ～あ");
    // The file's own icon is extracted for this list; the warning for a missing file is the
    // system's shared one.
    EXPECT_TRUE(pairs[0].icon.owns());
    EXPECT_NE(pairs[1].icon.get(), nullptr);
    EXPECT_FALSE(pairs[1].icon.owns());
}

TEST_F(ItemIconPairsTest, AnIdIsListedOnce) {
    EXPECT_THROW(pairs.append(Item("web", items)), system::ItemSetException);
    EXPECT_THROW(pairs.replace("edit", Item("gone", items)), system::ItemSetException);
    EXPECT_EQ(ids(), (std::vector<std::string>{"edit", "gone", "web"}));
}

TEST_F(ItemIconPairsTest, ReplacedItemTakesThePlaceUnderItsOwnIdWithItsOwnIcon) {
    pairs.replace("gone", LinkItem(Item("link", items), items));
    EXPECT_EQ(ids(), (std::vector<std::string>{"edit", "link", "web"}));
    EXPECT_FALSE(pairs.has("gone"));
    EXPECT_NE(dynamic_cast<const LinkItem*>(pairs[1].item.get()), nullptr);
    EXPECT_TRUE(pairs[1].icon.owns());

    pairs.replace("edit", Item("edit", items));
    EXPECT_EQ(ids(), (std::vector<std::string>{"edit", "link", "web"}));
    EXPECT_EQ(raisedText([&] { pairs.replace("gone", Item("gone", items)); }), "あ～あ");
}

TEST_F(ItemIconPairsTest, RemovedItemLeavesLaterItemsMovedUp) {
    pairs.append(Item("link", items));
    pairs.remove("gone");
    EXPECT_EQ(ids(), (std::vector<std::string>{"edit", "web", "link"}));
    pairs.remove("edit");
    pairs.remove("link");
    EXPECT_EQ(ids(), (std::vector<std::string>{"web"}));
    EXPECT_EQ(raisedText([&] { pairs.remove("edit"); }), "あ～あ");
    pairs.remove("web");
    EXPECT_EQ(pairs.size(), 0u);
}

} // namespace
} // namespace tavrin::file
