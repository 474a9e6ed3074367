#include "file/items/grouptree.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

const std::string bom = "\xEF\xBB\xBF";

drevak::DvkDocument documentOf(std::vector<std::string_view> lines) {
    return drevak::DvkDocument(std::span<const std::string_view>(lines));
}

// A groups file as a user would have it: two main groups (one listed without a node), the
// menu group with its own sub groups, a header and a setting outside "Group".
drevak::DvkDocument twoGroupsAndMenu() {
    drevak::DvkDocument document =
        documentOf({";groups", "Group$Work\tPlay\tEmpty", "Group/Work$Tools\tMail",
                    "Group/Work/Tools$edit\tshell", "Group/Work/Mail$mail", "Group/Play$Games",
                    "Group/Play/Games$chess", "Group/<Menu>$Daily", "Group/<Menu>/Daily$web\tedit",
                    "Other:7"});
    return document;
}

TEST(GroupTreeTest, LoadsMainGroupsThenTheMenuAndSavesTheSameFile) {
    drevak::DvkDocument document = twoGroupsAndMenu();
    const std::string before = documentFileBytes(document);
    const GroupTree tree = loadGroupTree(document);

    const GroupTree expected{{
        {"Work", false, {{"Tools", {"edit", "shell"}}, {"Mail", {"mail"}}}},
        {"Play", false, {{"Games", {"chess"}}}},
        {"Empty", false, {}},
        {"<Menu>", true, {{"Daily", {"web", "edit"}}}},
    }};
    EXPECT_EQ(tree, expected);

    // The empty group gains the empty line the reader drops; every other line is as it was,
    // and what is written reads back as the same tree and saves to the same bytes.
    saveGroupTree(tree, document);
    const std::string saved = documentFileBytes(document);
    std::string withEmpty = before;
    withEmpty.insert(withEmpty.find("Group/Play$"), "Group/Empty$\r\n");
    EXPECT_EQ(saved, withEmpty);
    drevak::DvkDocument reloaded = parseDocumentFile(saved, "groups.dvk");
    EXPECT_EQ(loadGroupTree(reloaded), expected);
    saveGroupTree(loadGroupTree(reloaded), reloaded);
    EXPECT_EQ(documentFileBytes(reloaded), saved);
}

TEST(GroupTreeTest, SavesWhatTheTreeHoldsWhateverPlaceTheMenuHas) {
    struct Case {
        std::string_view label;
        GroupTree tree;
        std::string written;
    };
    const std::vector<Case> cases = {
        {"everything removed", {}, bom + ";groups\r\nGroup$\r\nOther:7\r\n"},
        {"the menu alone, empty",
         {{{"<Menu>", true, {}}}},
         bom + ";groups\r\nGroup$\r\nOther:7\r\n"},
        {"the menu first",
         {{{"<Menu>", true, {{"M", {"a"}}}}, {"A", false, {{"S", {"b", "c"}}}}}},
         bom + ";groups\r\nGroup$A\r\nGroup/<Menu>$M\r\nGroup/<Menu>/M$a\r\nGroup/A$S\r\n"
               "Group/A/S$b\tc\r\nOther:7\r\n"},
        {"the menu between, an empty sub group",
         {{{"A", false, {}}, {"<Menu>", true, {{"M", {}}}}, {"B", false, {{"S", {"x"}}}}}},
         bom + ";groups\r\nGroup$A\tB\r\nGroup/<Menu>$M\r\nGroup/<Menu>/M$\r\nGroup/A$\r\n"
               "Group/B$S\r\nGroup/B/S$x\r\nOther:7\r\n"},
    };
    for (const Case& c : cases) {
        drevak::DvkDocument document = twoGroupsAndMenu();
        saveGroupTree(c.tree, document);
        EXPECT_EQ(documentFileBytes(document), c.written) << c.label;
        if (c.tree.groups.size() <= 1) {
            EXPECT_EQ(document.GetChild("Group").ChildCount(), 0u) << c.label;
        }
    }
}

TEST(GroupTreeTest, RefusesBadNamesAndWritesNothing) {
    struct Case {
        std::string_view label;
        GroupTree tree;
        std::string_view why;
    };
    const std::vector<Case> cases = {
        {"empty main", {{{"", false, {}}}}, "空"},
        {"slash", {{{"A/B", false, {}}}}, "使えません"},
        {"semicolon in a sub group", {{{"A", false, {{"x;y", {}}}}}}, "使えません"},
        {"type character", {{{"A$", false, {}}}}, "使えません"},
        {"tab", {{{"A\tB", false, {}}}}, "使えません"},
        {"a second menu", {{{"<Menu>", false, {}}, {"<Menu>", true, {}}}}, "メニューグループ"},
        {"twin main groups", {{{"A", false, {}}, {"A", false, {}}}}, "既に"},
        {"twin sub groups", {{{"<Menu>", true, {{"S", {}}, {"S", {}}}}}}, "既に"},
    };
    for (const Case& c : cases) {
        drevak::DvkDocument document = twoGroupsAndMenu();
        const std::string before = documentFileBytes(document);
        try {
            saveGroupTree(c.tree, document);
            ADD_FAILURE() << c.label << ": accepted";
        } catch (const system::GroupDataException& refused) {
            EXPECT_NE(std::string(refused.what()).find(c.why), std::string::npos)
                << c.label << ": " << refused.what();
        }
        EXPECT_EQ(documentFileBytes(document), before) << c.label;
    }
}

TEST(GroupTreeTest, NamesAllowedBesideSiblingsAndFreeNames) {
    const std::vector<std::string> siblings = {"Sub Group", "Sub Group 2", "Tools"};
    EXPECT_EQ(groupNameFault("Sub Group 3", siblings), "");
    EXPECT_EQ(groupNameFault("ツール <1>", siblings), "");
    EXPECT_NE(groupNameFault("Tools", siblings), "");
    EXPECT_EQ(freeGroupName("Sub Group", siblings), "Sub Group 3");
    EXPECT_EQ(freeGroupName("Main Group", siblings), "Main Group");
}

} // namespace
} // namespace tavrin::file
