#include "file/items/itemfunctions.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "etc/drevak/dvkdocument.h"
#include "scratch_folder.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using image::ICONSIZE;
using image::SYSICON;
using ::testing::HasSubstr;

class ItemFunctionsTest : public ::testing::Test {
protected:
    // A new item of the kind, its address stored as the kind's setter stores it; made with
    // its kind from the start, so that a link gets none of the settings it may leave out.
    Item item(const std::string& id, Item::TYPE type, const std::string& address) {
        drevak::Drevak& node = items.childOrNew(id);
        node.childOrNew("Type") = static_cast<Item::Integer>(type);
        if (type == Item::TYPE::MULTI) {
            node.childOrNew("Address") = std::vector<std::string>{address};
        } else {
            node.childOrNew("Address") = address;
        }
        return Item(id, items);
    }
    Item link(const std::string& id, const std::string& target) {
        return item(id, Item::TYPE::LINK, target);
    }

    drevak::DvkDocument document;
    drevak::Drevak& items = document.childOrNew("Item");
};

TEST_F(ItemFunctionsTest, APathItemStartsInItsWorkFolderOrElseInItsFilesFolder) {
    Item app = item("app", Item::TYPE::NORMAL, "C:\\Tools\\app.exe");
    EXPECT_EQ(workFolderOf(app), "C:\\Tools\\");
    app.setWorkFolder("D:\\Work");
    EXPECT_EQ(workFolderOf(app), "D:\\Work\\");
    app.setWorkFolder("D:\\Work\\");
    EXPECT_EQ(workFolderOf(app), "D:\\Work\\");
    EXPECT_EQ(workFolderOf(item("bare", Item::TYPE::NORMAL, "app.exe")), "");
    EXPECT_EQ(workFolderOf(item("drive", Item::TYPE::NORMAL, "C:app.exe")), "C:\\");
    EXPECT_EQ(workFolderOf(item("jp", Item::TYPE::NORMAL, "C:\\日本語\\エディタ.exe")),
              "C:\\日本語\\");
}

TEST_F(ItemFunctionsTest, AddressesAndMultiItemsStartInTheirWorkFolderOnly) {
    Item uri = item("uri", Item::TYPE::URI, "C:\\Tools\\app.exe -a");
    Item multi = item("multi", Item::TYPE::MULTI, "uri");
    EXPECT_EQ(workFolderOf(uri), "");
    EXPECT_EQ(workFolderOf(multi), "");
    uri.setWorkFolder("D:\\u");
    multi.setWorkFolder("D:\\m");
    EXPECT_EQ(workFolderOf(uri), "D:\\u\\");
    EXPECT_EQ(workFolderOf(multi), "D:\\m\\");
}

TEST_F(ItemFunctionsTest, ALinkStartsInItsOwnWorkFolderOrElseWhereItsTargetWould) {
    item("app", Item::TYPE::NORMAL, "C:\\Tools\\app.exe");
    Item own = link("own", "app");
    EXPECT_EQ(workFolderOf(own), "C:\\Tools\\");
    own.setWorkFolder("E:\\mine");
    EXPECT_EQ(workFolderOf(own), "E:\\mine\\");
    EXPECT_EQ(workFolderOf(link("chain", "own")), "E:\\mine\\");
}

TEST_F(ItemFunctionsTest, LinkLoopsAreRefusedNamingTheItem) {
    const Item self = link("self", "self");
    const Item a = link("a", "b");
    link("b", "a");
    for (const Item* looped : {&self, &a}) {
        for (auto function : {&workFolderOf, &itemFolder}) {
            try {
                (void)function(*looped);
                ADD_FAILURE() << looped->id() << " was followed";
            } catch (const system::ItemException& refused) {
                EXPECT_EQ(refused.Code(), system::CODE::ITEM_LINK);
                EXPECT_THAT(refused.message(), HasSubstr("アイテム(" + looped->id() + ")"));
            }
        }
    }
}

TEST_F(ItemFunctionsTest, APathItemLivesInItsFilesFolderWhetherOrNotItExists) {
    EXPECT_EQ(itemFolder(item("app", Item::TYPE::NORMAL, "C:\\nowhere\\app.exe")), "C:\\nowhere\\");
    EXPECT_EQ(itemFolder(item("bare", Item::TYPE::NORMAL, "app.exe")), "");
}

TEST_F(ItemFunctionsTest, PathsTheSystemCannotReachAreTakenAsMissing) {
    // Wine answers for a share out of reach with an error other than "not found", as Windows
    // does for a denied access or a failed logon.
    const std::string share = "\\\\nonexistent-host\\share";
    Item app = item("app", Item::TYPE::NORMAL, share + "\\x.exe");
    app.setIconAddress(share + "\\x.ico");
    EXPECT_FALSE(isUsable(app));
    EXPECT_EQ(itemIcon(ICONSIZE::SMALL, app).get(),
              image::GetSystemIcon(ICONSIZE::SMALL, SYSICON::EXCLAMATION).get());
    Item uri = item("uri", Item::TYPE::URI, "\"" + share + "\\x.exe\" -a");
    uri.setWorkFolder(share);
    uri.setIconAddress(share + "\\x.ico");
    EXPECT_EQ(itemFolder(uri), "");
    EXPECT_EQ(itemIcon(ICONSIZE::SMALL, uri).get(),
              image::GetSystemIcon(ICONSIZE::SMALL, SYSICON::URI).get());
    EXPECT_EQ(itemFolder(link("link", "uri")), "");
    Item multi = item("multi", Item::TYPE::MULTI, "app");
    multi.setWorkFolder(share);
    EXPECT_EQ(itemFolder(multi), "");
}

class ItemFolderTest : public ItemFunctionsTest {
protected:
    ItemFolderTest() {
        std::filesystem::create_directory(fixture::fromUtf8(folder()));
        fixture::writeBytes(fixture::fromUtf8(program()), "x");
    }

    std::string folder() const { return scratch.path("フォルダ"); }
    std::string program() const { return folder() + "\\prog.exe"; }

    fixture::ScratchFolder scratch;
};

TEST_F(ItemFolderTest, AnAddressLivesInItsWorkFolderWhenThatExists) {
    Item uri = item("uri", Item::TYPE::URI, "http://example.com/");
    EXPECT_EQ(itemFolder(uri), "");
    uri.setWorkFolder(folder());
    EXPECT_EQ(itemFolder(uri), folder() + "\\");
    uri.setWorkFolder(program());
    EXPECT_EQ(itemFolder(uri), folder() + "\\");
    uri.setWorkFolder(folder() + "\\missing");
    EXPECT_EQ(itemFolder(uri), "");
}

TEST_F(ItemFolderTest, AnAddressThatExistsLivesInItsFolder) {
    EXPECT_EQ(itemFolder(item("uri", Item::TYPE::URI, program())), folder() + "\\");
    EXPECT_EQ(itemFolder(item("dir", Item::TYPE::URI, folder())), scratch.path(""));
}

TEST_F(ItemFolderTest, ACommandLineLivesInItsProgramsFolder) {
    EXPECT_EQ(itemFolder(item("quoted", Item::TYPE::URI, "\"" + program() + "\" -a \"b c\"")),
              folder() + "\\");
    EXPECT_EQ(itemFolder(item("plain", Item::TYPE::URI, program() + " -a")), folder() + "\\");
    // The program itself need not exist, only its folder.
    EXPECT_EQ(itemFolder(item("other", Item::TYPE::URI, folder() + "\\other.exe -a")),
              folder() + "\\");
    EXPECT_EQ(itemFolder(item("gone", Item::TYPE::URI, folder() + "\\gone\\x.exe -a")), "");
}

TEST_F(ItemFolderTest, AMultiItemLivesInItsWorkFolderWhenThatIsAFolder) {
    Item multi = item("multi", Item::TYPE::MULTI, "x");
    EXPECT_EQ(itemFolder(multi), "");
    multi.setWorkFolder(folder());
    EXPECT_EQ(itemFolder(multi), folder() + "\\");
    multi.setWorkFolder(program());
    EXPECT_EQ(itemFolder(multi), "");
    multi.setWorkFolder(folder() + "\\missing");
    EXPECT_EQ(itemFolder(multi), "");
}

TEST_F(ItemFolderTest, ALinkLivesWhereItsTargetDoesWithItsOwnWorkFolder) {
    item("uri", Item::TYPE::URI, "http://example.com/");
    Item own = link("own", "uri");
    EXPECT_EQ(itemFolder(own), "");
    own.setWorkFolder(folder());
    EXPECT_EQ(itemFolder(own), folder() + "\\");
}

} // namespace
} // namespace tavrin::file
