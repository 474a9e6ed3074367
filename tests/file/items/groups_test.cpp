#include "file/items/groups.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"

namespace tavrin::file {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string bom = "\xEF\xBB\xBF";

// The views as the application builds them over a loaded groups document.
struct Views {
    explicit Views(drevak::DvkDocument& document)
        : main(document.childOrNew(Main::GROUP)), menu(main.menu()) {}

    Main main;
    Sub menu;
};

drevak::DvkDocument documentOf(std::vector<std::string_view> lines) {
    return drevak::DvkDocument(std::span<const std::string_view>(lines));
}

// Saves and loads the document as the application does between two runs.
drevak::DvkDocument reloaded(const drevak::DvkDocument& document) {
    return parseDocumentFile(documentFileBytes(document), "groups.dvk");
}

TEST(GroupsTest, EmptyDocumentGainsTheEmptyGroupAndMenuListsAndKeepsThemAcrossRuns) {
    drevak::DvkDocument document;
    const Views views(document);
    EXPECT_EQ(views.main.count(), 0u);
    EXPECT_EQ(views.menu.count(), 0u);
    const std::string written = documentFileBytes(document);
    EXPECT_EQ(written, bom + "Group$\r\nGroup/<Menu>$\r\n");

    // The reader drops both lines: the views make them again, and the file stays the same.
    drevak::DvkDocument second = parseDocumentFile(written, "groups.dvk");
    const Views again(second);
    EXPECT_EQ(again.main.count(), 0u);
    EXPECT_EQ(documentFileBytes(second), written);
}

TEST(GroupsTest, SubViewsReachTheirParentAndTheMenuIsNoMainGroup) {
    drevak::DvkDocument document =
        documentOf({"Group$Work", "Group/Work$Tools", "Group/Work/Tools$edit", "Group/<Menu>$Daily",
                    "Group/<Menu>/Daily$mail\tweb"});
    Views views(document);
    EXPECT_FALSE(views.main.has("<Menu>"));
    EXPECT_EQ(&views.menu.parent(), &views.main);
    EXPECT_THAT(views.menu.childNames("Daily"), ElementsAre("mail", "web"));

    std::optional<Sub> work = views.main.sub("Work");
    ASSERT_TRUE(work.has_value());
    EXPECT_EQ(&work->parent(), &views.main);
    EXPECT_THAT(work->childNames("Tools"), ElementsAre("edit"));
    EXPECT_TRUE(work->hasItems("Tools"));
    EXPECT_FALSE(work->hasItems("Nothing"));

    std::optional<Sub> menu = views.main.sub(Main::MENU);
    ASSERT_TRUE(menu.has_value());
    EXPECT_THAT(menu->names(), ElementsAre("Daily"));
}

TEST(GroupsTest, SubOfANameWithoutAGroupIsNone) {
    drevak::DvkDocument document = documentOf({"Group$Work\tx:y"});
    Views views(document);
    EXPECT_FALSE(views.main.sub("Play").has_value());
    EXPECT_FALSE(views.main.sub("x:y").has_value());
    EXPECT_FALSE(views.main.sub("").has_value());
    EXPECT_FALSE(document.HaveChild("Group/Play"));
}

TEST(GroupsTest, FirstSelectionSkipsGroupsWithoutSubGroups) {
    drevak::DvkDocument document =
        documentOf({"Group$空\tgone\tWork\tPlay", "Group/Work$Blank\tTools", "Group/Play$Games"});
    Views views(document);
    const Main::Selection first = views.main.firstSelection();
    EXPECT_EQ(first.group, "Work");
    EXPECT_EQ(first.subGroup, "Blank");
    EXPECT_FALSE(document.HaveChild("Group/gone"));

    document.GetChild("Group") = std::vector<std::string>{"gone", "空"};
    EXPECT_EQ(views.main.firstSelection().group, "gone");
    EXPECT_EQ(views.main.firstSelection().subGroup, "");
    document.GetChild("Group") = std::vector<std::string>{};
    EXPECT_EQ(views.main.firstSelection().group, "");
}

// Empty groups and sub groups are written as lines that reading drops; after a reload each
// must still be there, empty, in its place.
TEST(GroupsTest, EmptyGroupsAndSubGroupsSurviveASaveAndReloadAsEmptyLists) {
    drevak::DvkDocument document;
    {
        Views views(document);
        drevak::Drevak& group = document.GetChild("Group");
        group = std::vector<std::string>{"Empty", "Work"};
        group.childOrNew("Empty") = std::vector<std::string>{};
        drevak::Drevak& work = group.childOrNew("Work");
        work = std::vector<std::string>{"Blank", "Tools"};
        work.childOrNew("Blank") = std::vector<std::string>{};
        work.childOrNew("Tools") = std::vector<std::string>{"edit", "calc"};
        drevak::Drevak& menu = group.GetChild("<Menu>");
        menu = std::vector<std::string>{"Nothing"};
        menu.childOrNew("Nothing") = std::vector<std::string>{};
    }
    drevak::DvkDocument second = reloaded(document);
    ASSERT_FALSE(second.HaveChild("Group/Empty"));
    ASSERT_FALSE(second.HaveChild("Group/Work/Blank"));

    Views views(second);
    EXPECT_THAT(views.main.names(), ElementsAre("Empty", "Work"));
    EXPECT_EQ(views.main.childCount("Empty"), 0u);
    std::optional<Sub> empty = views.main.sub("Empty");
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->count(), 0u);
    std::optional<Sub> work = views.main.sub("Work");
    ASSERT_TRUE(work.has_value());
    EXPECT_THAT(work->names(), ElementsAre("Blank", "Tools"));
    EXPECT_THAT(work->childNames("Blank"), IsEmpty());
    EXPECT_THAT(work->childNames(0), IsEmpty());
    EXPECT_FALSE(work->hasItems("Blank"));
    EXPECT_THAT(work->childNames("Tools"), ElementsAre("edit", "calc"));
    EXPECT_THAT(views.menu.names(), ElementsAre("Nothing"));
    EXPECT_THAT(views.menu.childNames("Nothing"), IsEmpty());
    EXPECT_THAT(work->child("Blank").GetStrings(), IsEmpty());

    // Asking for the nodes gives back the document that was saved.
    views.menu.child("Nothing");
    EXPECT_EQ(documentFileBytes(second), documentFileBytes(document));
}

} // namespace
} // namespace tavrin::file
