#include "file/items/groupbase.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "etc/drevak/dvkdocument.h"
#include "file/items/groups.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The message of what the call raises, or a failure when it raises nothing or another type.
template <typename Raised, typename Call> std::string raisedBy(Call call) {
    try {
        call();
    } catch (const Raised& raised) {
        return raised.message();
    }
    ADD_FAILURE() << "nothing raised";
    return {};
}

class GroupBaseTest : public ::testing::Test {
protected:
    GroupBaseTest() {
        group() = std::vector<std::string>{"b", "a"};
        group().CreatePath(path("b")) = std::vector<std::string>{"b1", "b2", "b3"};
        group().CreatePath(path("a")) = std::vector<std::string>{"a1"};
    }

    static std::vector<std::string_view> path(std::string_view name) { return {name}; }
    drevak::Drevak& group() { return document.childOrNew("Group"); }

    drevak::DvkDocument document;
};

TEST_F(GroupBaseTest, EntriesKeepTheOrderOfTheListAndChildrenAreReachedByIndexOrName) {
    Main main(group());
    EXPECT_EQ(main.count(), 2u);
    EXPECT_THAT(main.names(), ElementsAre("b", "a"));
    EXPECT_EQ(main.name(1), "a");
    EXPECT_TRUE(main.has("a"));
    EXPECT_FALSE(main.has("A"));
    EXPECT_EQ(&main.child(0), &document.GetChild("Group/b"));
    EXPECT_EQ(&main.child("a"), &document.GetChild("Group/a"));
    EXPECT_EQ(main.childCount(0), 3u);
    EXPECT_EQ(main.childCount("a"), 1u);
    EXPECT_THAT(main.childNames(0), ElementsAre("b1", "b2", "b3"));
    EXPECT_THAT(main.childNames("a"), ElementsAre("a1"));
}

TEST_F(GroupBaseTest, ViewsReadTheDocumentAsItStandsAndNamesAreCopies) {
    Main main(group());
    std::vector<std::string> names = main.names();
    names.push_back("c");
    EXPECT_EQ(main.count(), 2u);

    group() = std::vector<std::string>{"c"};
    group().CreatePath(path("c")) = std::vector<std::string>{"c1", "c2"};
    EXPECT_THAT(main.names(), ElementsAre("c"));
    EXPECT_EQ(main.childCount(0), 2u);
    group() = drevak::Integer{5};
    EXPECT_EQ(main.count(), 0u);
}

TEST_F(GroupBaseTest, PositionsOutsideTheListRaiseTheirGroupErrors) {
    Main main(group());
    EXPECT_EQ(raisedBy<system::GroupDataError>([&] { main.name(2); }), "GROUP.length = 2");
    EXPECT_EQ(raisedBy<system::GroupDataError>([&] { main.childNames(7); }),
              "childNames.length = 2");
    EXPECT_EQ(raisedBy<system::GroupDataError>([&] { main.childCount(2); }),
              "childNames.length = 2");
    EXPECT_EQ(raisedBy<system::GroupDataException>([&] { main.child(5); }), "Index = 5");
    EXPECT_EQ(raisedBy<system::GroupDataException>([&] { main.child("z"); }), "GroupName = z");
    EXPECT_FALSE(document.HaveChild("Group/z"));
}

TEST_F(GroupBaseTest, ListNodeOfAnotherTypeOrWithoutValueBecomesTheEmptyList) {
    group() = std::string("a");
    Main main(group());
    EXPECT_EQ(main.count(), 0u);
    EXPECT_THAT(group().GetStrings(), IsEmpty());

    drevak::Drevak& bare = document.childOrNew("Bare");
    Main overBare(bare);
    EXPECT_THAT(bare.GetStrings(), IsEmpty());
}

TEST_F(GroupBaseTest, MissingOrUnlistedChildrenAndChildrenWithoutAListReadAsEmpty) {
    group() = std::vector<std::string>{"b", "a", "gone", "x:y"};
    document.GetChild("Group/a") = drevak::Integer{3};
    Main main(group());
    EXPECT_THAT(main.childNames("gone"), IsEmpty());
    EXPECT_EQ(main.childCount(2), 0u);
    EXPECT_THAT(main.childNames("never listed"), IsEmpty());
    EXPECT_THAT(main.childNames("a"), IsEmpty());
    EXPECT_THAT(main.childNames(3), IsEmpty());
    // Reading creates nothing.
    EXPECT_FALSE(document.HaveChild("Group/gone"));
    EXPECT_EQ(document.GetChild("Group/a").GetInteger(), 3);
}

TEST_F(GroupBaseTest, ListedChildWithoutANodeIsCreatedEmptyWhenItsNodeIsAskedFor) {
    group() = std::vector<std::string>{"b", "a", "gone", "x:y"};
    Main main(group());
    drevak::Drevak& gone = main.child("gone");
    EXPECT_EQ(&gone, &document.GetChild("Group/gone"));
    EXPECT_THAT(gone.GetStrings(), IsEmpty());
    EXPECT_EQ(&main.child(2), &gone);
    // A listed name that no node can carry has no child to give.
    EXPECT_EQ(raisedBy<system::GroupDataException>([&] { main.child(3); }), "Index = 3");
    EXPECT_EQ(raisedBy<system::GroupDataException>([&] { main.child("x:y"); }), "GroupName = x:y");
}

} // namespace
} // namespace tavrin::file
