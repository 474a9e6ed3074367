#include "file/items/bmitem.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "etc/drevak/dvkdocument.h"
#include "file/items/itemfunctions.h"
#include "scratch_folder.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using image::ICONSIZE;
using image::SYSICON;
using TYPE = Item::TYPE;

// Items over real files: "edit" a path item whose file exists, "gone" one whose file does
// not, "web" an address, "both" a multi-item, "empty" one that lists nothing, and "link" a
// link to "edit".
class ItemViewTest : public ::testing::Test {
protected:
    ItemViewTest() {
        fixture::writeBytes(fixture::fromUtf8(file()), "text");
        add("edit", TYPE::NORMAL, file(), "Editor");
        add("gone", TYPE::NORMAL, scratch.path("gone.exe"), "Gone");
        add("web", TYPE::URI, "http://example.com/", "");
        add("both", TYPE::MULTI, "edit", "Both");
        add("link", TYPE::LINK, "edit", "");
        items.childOrNew("empty").childOrNew("Type") = static_cast<Item::Integer>(TYPE::MULTI);
    }

    std::string file() const { return scratch.path("メモ.txt"); }

    void add(const std::string& id, TYPE type, const std::string& address,
             const std::string& name) {
        drevak::Drevak& node = items.childOrNew(id);
        node = name;
        node.childOrNew("Type") = static_cast<Item::Integer>(type);
        if (type == TYPE::MULTI) {
            node.childOrNew("Address") = std::vector<std::string>{address};
        } else {
            node.childOrNew("Address") = address;
        }
    }
    Item item(const std::string& id) { return Item(id, items); }

    fixture::ScratchFolder scratch;
    drevak::DvkDocument document;
    drevak::Drevak& items = document.childOrNew("Item");
};

TEST_F(ItemViewTest, UsableWhenThereIsSomethingToStart) {
    EXPECT_TRUE(isUsable(item("edit")));
    EXPECT_FALSE(isUsable(item("gone")));
    EXPECT_TRUE(isUsable(item("web")));
    EXPECT_TRUE(isUsable(item("both")));
    EXPECT_FALSE(isUsable(item("empty")));
    EXPECT_TRUE(isUsable(item("link")));
}

TEST_F(ItemViewTest, APathIsUsableWithItsEnvironmentVariablesExpanded) {
    // The scratch folder lies in the temporary folder, which TEMP names.
    Item edit = item("edit");
    edit.setFileAddress("%TEMP%\\" + fixture::utf8(scratch.root().filename()) + "\\メモ.txt");
    EXPECT_TRUE(isUsable(edit));
    edit.setFileAddress("%TAVRIN_NO_SUCH_VARIABLE%\\メモ.txt");
    EXPECT_FALSE(isUsable(edit));
}

TEST_F(ItemViewTest, IconsOfExistingFilesAreTheFilesOwn) {
    EXPECT_TRUE(itemIcon(ICONSIZE::SMALL, item("edit")).owns());
    EXPECT_TRUE(itemIcon(ICONSIZE::LARGE, item("link")).owns());
    // An icon file that exists comes first, for every kind.
    for (const std::string id : {"gone", "web", "both"}) {
        Item withIcon = item(id);
        withIcon.setIconAddress(file());
        EXPECT_TRUE(itemIcon(ICONSIZE::SMALL, withIcon).owns()) << id;
    }
}

TEST_F(ItemViewTest, WithoutAFileTheIconIsAStockOrTheLaunchersOwn) {
    for (const auto& [id, stock] : std::vector<std::pair<std::string, SYSICON>>{
             {"gone", SYSICON::EXCLAMATION},
             {"web", SYSICON::URI},
             {"both", SYSICON::MULTI},
             {"empty", SYSICON::MULTI},
         }) {
        const image::Icon icon = itemIcon(ICONSIZE::SMALL, item(id));
        EXPECT_FALSE(icon.owns()) << id;
        EXPECT_NE(icon.get(), nullptr) << id;
        EXPECT_EQ(icon.get(), image::GetSystemIcon(ICONSIZE::SMALL, stock).get()) << id;
    }
    Item missingIcon = item("web");
    missingIcon.setIconAddress(scratch.path("missing.ico"));
    EXPECT_FALSE(itemIcon(ICONSIZE::SMALL, missingIcon).owns());
}

TEST_F(ItemViewTest, TheRecordShowsTheNameOrElseTheId) {
    const BM_ITEM edit(item("edit"), ICONSIZE::SMALL, true);
    EXPECT_EQ(edit.caption, "Editor");
    EXPECT_TRUE(edit.usable);
    EXPECT_TRUE(edit.icon.owns());
    EXPECT_EQ(edit.item->id(), "edit");

    const BM_ITEM gone(item("gone"), ICONSIZE::SMALL, true);
    EXPECT_EQ(gone.caption, "gone");
    EXPECT_FALSE(gone.usable);
    EXPECT_FALSE(gone.icon.owns());

    EXPECT_EQ(BM_ITEM(item("web"), ICONSIZE::SMALL, false).caption, "web");
    const BM_ITEM empty(item("empty"), ICONSIZE::SMALL, false);
    EXPECT_FALSE(empty.usable);
    EXPECT_EQ(empty.caption, "empty");
    const BM_ITEM both(item("both"), ICONSIZE::LARGE, false);
    EXPECT_EQ(both.caption, "Both");
    EXPECT_EQ(both.icon.get(), nullptr);
}

TEST_F(ItemViewTest, ALinksRecordShowsItsTargetUnderItsOwnId) {
    const BM_ITEM link(item("link"), ICONSIZE::SMALL, true);
    EXPECT_EQ(link.item->id(), "link");
    EXPECT_EQ(link.item->type(), TYPE::NORMAL);
    EXPECT_EQ(link.item->fileAddress(), file());
    EXPECT_EQ(link.caption, "Editor");
    EXPECT_TRUE(link.icon.owns());
}

TEST_F(ItemViewTest, LoopsOfLinksAreRefusedNamingTheItem) {
    items.GetChild("link").GetChild("Address") = std::string("link");
    for (const bool withIcon : {false, true}) {
        try {
            const BM_ITEM looped(item("link"), ICONSIZE::SMALL, withIcon);
            ADD_FAILURE() << "showed a loop";
        } catch (const system::ItemException& refused) {
            EXPECT_NE(refused.message().find("アイテム(link)"), std::string::npos);
        }
    }
    EXPECT_THROW((void)itemIcon(ICONSIZE::SMALL, item("link")), system::ItemException);
    EXPECT_THROW((void)isUsable(item("link")), system::ItemException);
}

} // namespace
} // namespace tavrin::file
