#include <gtest/gtest.h>

#include "testwindow.h"
#include "tvgui/control/button.h"
#include "tvgui/control/group.h"

namespace tavrin::tvgui {
namespace {

TEST(GroupTest, ShowAndEnableReachEveryMemberAndMembersAreFoundById) {
    test::RecordingWindow window;
    window.show(SHOW::SHOW);
    Push first(ITEM_ID{11}, window);
    ListBox second(ITEM_ID{12}, window);
    Group<Control> group;
    group.add(first);
    group.add(second);
    EXPECT_EQ(group.size(), 2u);
    EXPECT_EQ(group.members().front(), &first);
    EXPECT_EQ(group.find(ITEM_ID{12}), &second);
    EXPECT_EQ(group.find(ITEM_ID{13}), nullptr);

    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        group.enable(on);
        group.show(on ? SHOW::SHOW : SHOW::HIDE);
        for (const Control* member : group.members()) {
            EXPECT_EQ(member->isEnabled(), on);
            EXPECT_EQ(member->isVisible(), on);
        }
    }
}

TEST(RadioGroupTest, OneMemberIsCheckedByIdOrPosition) {
    test::RecordingWindow window;
    Radio first(ITEM_ID{1}, window);
    Radio second(ITEM_ID{2}, window);
    Radio third(ITEM_ID{3}, window);
    RadioGroup group;
    for (Radio* member : {&first, &second, &third}) {
        group.add(*member);
    }
    EXPECT_EQ(group.checked(), nullptr);
    EXPECT_EQ(group.checkedIndex(), std::nullopt);

    // Each step checks one member whatever was checked before.
    struct Step {
        bool byId;
        int which;
        Radio* expected;
        std::size_t position;
    };
    const Step steps[] = {{true, 3, &third, 2}, {false, 0, &first, 0}, {true, 2, &second, 1}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.which);
        EXPECT_TRUE(step.byId ? group.check(ITEM_ID(step.which))
                              : group.checkIndex(static_cast<std::size_t>(step.which)));
        EXPECT_EQ(group.checked(), step.expected);
        EXPECT_EQ(group.checkedIndex(), step.position);
        for (Radio* member : group.members()) {
            EXPECT_EQ(member->checked(), member == step.expected);
        }
    }
    EXPECT_FALSE(group.check(ITEM_ID{9}));
    EXPECT_FALSE(group.checkIndex(3));
    EXPECT_EQ(group.checked(), &second);
}

TEST(ListBoxGroupTest, TheMemberWithASelectionAndClearingThemAll) {
    test::RecordingWindow window;
    ListBox tags(ITEM_ID{1}, window);
    ListBox items(ITEM_ID{2}, window, ListBox::TYPE::SINGLE_COLUMN, ListBox::SELECT::MULTI);
    ListBoxGroup group;
    group.add(tags);
    group.add(items);
    for (ListBox* member : group.members()) {
        member->add("タグ");
        member->add("項目");
    }
    EXPECT_EQ(group.selected(), nullptr);
    items.selectItem(1, true);
    EXPECT_EQ(group.selected(), &items);
    tags.selectIndex(0);
    EXPECT_EQ(group.selected(), &tags);
    group.unselect();
    EXPECT_EQ(group.selected(), nullptr);
    EXPECT_EQ(items.selectedIndexes(), std::vector<int>{});
    group.clear();
    EXPECT_EQ(tags.count() + items.count(), 0);
}

} // namespace
} // namespace tavrin::tvgui
