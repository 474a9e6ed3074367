#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "file/items/itemeditor.h"
#include "file/items/itemrenaming.h"
#include "file/items/itemvalidation.h"
#include "itemdocument.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using fixture::itemsDocument;
using fixture::valueAt;
using TYPE = Item::TYPE;

// The documents of a small launcher: a program, a URI, a multi-item and a link over them, a
// nested ID stored before IDs became single names, and groups that list them.
struct Documents {
    drevak::DvkDocument items = itemsDocument({
        "Item/edit\\Editor",
        "Item/edit/Address\\C:\\\\edit.exe",
        "Item/web/Type:1",
        "Item/web/Address\\http://x",
        "Item/both/Type:2",
        "Item/both/Address$edit\tweb\tedit",
        "Item/jump/Type:3",
        "Item/jump/Address\\edit",
        "Item/old/nested/Address\\C:\\\\n.exe",
    });
    drevak::DvkDocument groups = itemsDocument({
        "Group$Work",
        "Group/Work$Tools",
        "Group/Work/Tools$edit\tweb\tjump",
        "Group/<Menu>$Daily",
        "Group/<Menu>/Daily$edit",
    });
    drevak::Drevak& item() { return items.GetChild("Item"); }
    drevak::Drevak& group() { return groups.GetChild("Group"); }

    // Settings that name one item, as the folder program does.
    struct Settings final : ItemNaming {
        std::string named = "edit";
        bool namesItem(std::string_view id) const override { return !id.empty() && id == named; }
        void itemRenamed(std::string_view from, std::string_view to) override {
            if (namesItem(from)) {
                named = to;
            }
        }
        void itemDeleted(std::string_view id) override {
            if (namesItem(id)) {
                named.clear();
            }
        }
    } settings;
};

// A file system with C:\edit.exe, C:\icon.ico and the folder C:\work.
PathKind probe(std::string_view path) {
    static const std::map<std::string, PathKind, std::less<>> known{
        {"C:\\edit.exe", PathKind::FILE},
        {"C:\\icon.ico", PathKind::FILE},
        {"C:\\work", PathKind::FOLDER},
    };
    const auto found = known.find(path);
    return found == known.end() ? PathKind::MISSING : found->second;
}

ItemEditor valid() {
    ItemEditor editor;
    editor.id = "new";
    editor.name = "New";
    editor.address = "C:\\edit.exe";
    return editor;
}

// The messages of the refusals, in order; empty when the edit passes.
std::vector<std::string> refusals(const ItemEditor& editor, std::string_view originalId) {
    Documents documents;
    std::vector<std::string> messages;
    for (const Refusal& refused : itemRefusals(editor, originalId, documents.item(), probe)) {
        messages.push_back(refused.message);
    }
    return messages;
}

TEST(ValidateItemTest, ReportsEveryFailureInOneChainInOrder) {
    struct Case {
        const char* what;
        void (*edit)(ItemEditor&);
        std::string originalId;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"valid new item", [](ItemEditor&) {}, "", {}},
        {"empty ID and name together",
         [](ItemEditor& e) { e.id.clear(), e.name.clear(); },
         "",
         {"ID未入力", "名前未入力"}},
        {"an address as a new ID",
         [](ItemEditor& e) { e.id = "edit/History"; },
         "",
         {"edit/HistoryはIDに使用不可"}},
        {"a blank in the ID", [](ItemEditor& e) { e.id = "a b"; }, "", {"a bはIDに使用不可"}},
        {"a comma in the ID", [](ItemEditor& e) { e.id = "a,b"; }, "", {"a,bはIDに使用不可"}},
        {"a stored nested ID kept", [](ItemEditor& e) { e.id = "old/nested"; }, "old/nested", {}},
        {"existing ID in new-item mode",
         [](ItemEditor& e) { e.id = "edit"; },
         "",
         {"editは既に存在する"}},
        {"editing with its own ID", [](ItemEditor& e) { e.id = "edit"; }, "edit", {}},
        {"renaming onto another item",
         [](ItemEditor& e) { e.id = "web"; },
         "edit",
         {"webは既に存在する"}},
        {"NORMAL without address",
         [](ItemEditor& e) { e.address.clear(); },
         "",
         {"アドレス未記入"}},
        {"NORMAL with missing file",
         [](ItemEditor& e) { e.address = "http://x"; },
         "",
         {"指定アドレス無効"}},
        {"URI that is no file",
         [](ItemEditor& e) { e.type = TYPE::URI, e.address = "http://x"; },
         "",
         {}},
        {"URI without address",
         [](ItemEditor& e) { e.type = TYPE::URI, e.address.clear(); },
         "",
         {"URI未記入"}},
        {"MULTI and LINK not checked",
         [](ItemEditor& e) { e.type = TYPE::LINK, e.address = ""; },
         "",
         {}},
        {"missing work folder",
         [](ItemEditor& e) { e.workFolder = "C:\\none"; },
         "",
         {"フォルダが変"}},
        {"work folder that is a file",
         [](ItemEditor& e) { e.workFolder = "C:\\edit.exe"; },
         "",
         {"フォルダじゃない"}},
        {"existing work folder and icon",
         [](ItemEditor& e) { e.workFolder = "C:\\work", e.iconAddress = "C:\\icon.ico"; },
         "",
         {}},
        {"missing icon",
         [](ItemEditor& e) { e.iconAddress = "C:\\none.ico"; },
         "",
         {"アイコンが変"}},
        {"everything at once",
         [](ItemEditor& e) {
             e.id = "a.b", e.name.clear(), e.address.clear(), e.workFolder = "C:\\x",
             e.iconAddress = "C:\\y";
         },
         "",
         {"a.bはIDに使用不可", "名前未入力", "アドレス未記入", "フォルダが変", "アイコンが変"}},
    };
    for (const Case& c : cases) {
        ItemEditor editor = valid();
        c.edit(editor);
        EXPECT_EQ(refusals(editor, c.originalId), c.expected) << c.what;
    }
}

TEST(CommitEditorTest, WritesTheEditIntoTheDocuments) {
    struct Case {
        const char* what;
        std::string originalId;
        void (*edit)(ItemEditor&);
        std::vector<std::pair<std::string, std::string>> expected; // address in items, value
    };
    const std::vector<Case> cases{
        {"a new program",
         "",
         [](ItemEditor& e) { e.workFolder = "C:\\work", e.show = 3, e.key = 'N'; },
         {{"Item/new", "\\New"},
          {"Item/new/Address", "\\C:\\\\edit.exe"},
          {"Item/new/WorkFolder", "\\C:\\\\work"},
          {"Item/new/Show", ":3"},
          {"Item/new/Key", ":78"}}},
        {"a program turned into a multi-item",
         "edit",
         [](ItemEditor& e) {
             e.type = TYPE::MULTI, e.members = {"web", "jump"};
         },
         {{"Item/edit/Type", ":2"}, {"Item/edit/Address", "$web\tjump"}}},
        {"a link keeps leaving out what it left out",
         "jump",
         [](ItemEditor& e) { e.option = "-x"; },
         {{"Item/jump/Option", "\\-x"},
          {"Item/jump/WorkFolder", "(none)"},
          {"Item/jump/Show", "(none)"}}},
        {"a stored show code the list cannot name is kept",
         "edit",
         [](ItemEditor& e) { e.show = 5; },
         {{"Item/edit/Show", ":5"}}},
    };
    for (const Case& c : cases) {
        Documents documents;
        ItemEditor editor =
            c.originalId.empty() ? valid() : loadEditor(Item(c.originalId, documents.item()));
        c.edit(editor);
        commitEditor(editor, c.originalId, documents.item(), documents.group(), documents.settings);
        for (const auto& [address, value] : c.expected) {
            EXPECT_EQ(valueAt(documents.items, address), value) << c.what << ": " << address;
        }
    }
}

TEST(CommitEditorTest, ANewItemIsRegisteredAndAKeyOutsideTheLettersWritesNothing) {
    Documents documents;
    commitEditor(valid(), "", documents.item(), documents.group(), documents.settings);
    EXPECT_TRUE(Item("new", documents.item()).registered().has_value());

    ItemEditor editor = loadEditor(Item("edit", documents.item()));
    editor.key = 0xC9;
    editor.name = "changed";
    EXPECT_THROW(
        commitEditor(editor, "edit", documents.item(), documents.group(), documents.settings),
        system::ItemSetException);
    EXPECT_EQ(valueAt(documents.items, "Item/edit"), "\\Editor");
}

TEST(ItemReferencesTest, RenamingAndDeletingFollowEveryReference) {
    struct Case {
        const char* what;
        void (*change)(Documents&);
        std::vector<std::pair<std::string, std::string>> items;
        std::vector<std::pair<std::string, std::string>> groups;
        // The item the settings name afterwards.
        std::string named;
    };
    const std::vector<Case> cases{
        {"rename",
         [](Documents& d) { renameItem(d.item(), d.group(), d.settings, "edit", "editor"); },
         {{"Item/edit", "(none)"},
          {"Item/editor/Address", "\\C:\\\\edit.exe"},
          {"Item/both/Address", "$editor\tweb\teditor"},
          {"Item/jump/Address", "\\editor"}},
         {{"Group/Work/Tools", "$editor\tweb\tjump"}, {"Group/<Menu>/Daily", "$editor"}},
         "editor"},
        {"rename a stored nested ID",
         [](Documents& d) { renameItem(d.item(), d.group(), d.settings, "old/nested", "flat"); },
         {{"Item/old/nested", "(none)"}, {"Item/flat/Address", "\\C:\\\\n.exe"}},
         {},
         "edit"},
        {"delete",
         [](Documents& d) { deleteItem(d.item(), d.group(), d.settings, "edit"); },
         {{"Item/edit", "(none)"}, {"Item/both/Address", "$web"}, {"Item/jump", "(none)"}},
         {{"Group/Work/Tools", "$web"}, {"Group/<Menu>/Daily", "$"}},
         ""},
        {"delete what nothing names",
         [](Documents& d) { deleteItem(d.item(), d.group(), d.settings, "jump"); },
         {{"Item/jump", "(none)"}, {"Item/edit/Address", "\\C:\\\\edit.exe"}},
         {{"Group/Work/Tools", "$edit\tweb"}},
         "edit"},
        {"delete the item of a link the settings name",
         [](Documents& d) {
             d.settings.named = "jump";
             deleteItem(d.item(), d.group(), d.settings, "edit");
         },
         {{"Item/jump", "(none)"}},
         {},
         ""},
    };
    for (const Case& c : cases) {
        Documents documents;
        c.change(documents);
        for (const auto& [address, value] : c.items) {
            EXPECT_EQ(valueAt(documents.items, address), value) << c.what << ": " << address;
        }
        for (const auto& [address, value] : c.groups) {
            EXPECT_EQ(valueAt(documents.groups, address), value) << c.what << ": " << address;
        }
        EXPECT_EQ(documents.settings.named, c.named) << c.what;
    }
}

TEST(ItemReferencesTest, ReferrersAreTheMultiItemsAndLinksNamingTheItem) {
    Documents documents;
    const ItemReferrers edit = referrersOf(documents.item(), "edit");
    EXPECT_EQ(edit.multis, std::vector<std::string>{"both"});
    EXPECT_EQ(edit.links, std::vector<std::string>{"jump"});
    EXPECT_TRUE(referrersOf(documents.item(), "both").empty());
}

} // namespace
} // namespace tavrin::file
