#include "gui/window/dialog/groupdialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogtest.h"
#include "file/items/grouptree.h"
#include "gui/control/itemlistview.h"
#include "gui/window/dialog/inputdialog.h"
#include "system/unicode.h"
#include "testwindow.h"

namespace tavrin::gui::test {
namespace {

using COMMAND = GroupDialog::COMMAND;
using CTRL = GroupDialog::CTRL;
using file::GroupTree;

drevak::DvkDocument documentOf(std::vector<std::string_view> lines) {
    return drevak::DvkDocument(std::span<const std::string_view>(lines));
}

// Two main groups and the menu group, as every case starts.
drevak::DvkDocument startingGroups() {
    return documentOf({"Group$Work\tPlay", "Group/Work$Tools", "Group/Work/Tools$edit\tshell",
                       "Group/Play$Games", "Group/Play/Games$chess", "Group/<Menu>$Daily",
                       "Group/<Menu>/Daily$web"});
}

// The page over two main groups and the menu group, and items to add from.
class GroupDialogTest : public ::testing::Test {
public:
    drevak::DvkDocument groups = startingGroups();
    drevak::DvkDocument items =
        documentOf({"Item/edit\\Editor", "Item/shell\\Shell", "Item/web\\Web", "Item/mail\\Mail"});
    tvgui::test::RecordingWindow owner;
    GroupDialog dialog{&owner, groups, items};

    GroupTreeView& tree() { return controlOf<GroupTreeView>(dialog, CTRL::TREE); }
    ItemListView& list() { return controlOf<ItemListView>(dialog, CTRL::LIST); }

    // The entry reached by labels from the top.
    HTREEITEM entry(std::vector<std::string> path) {
        HTREEITEM parent = nullptr;
        for (const std::string& label : path) {
            HTREEITEM found = nullptr;
            for (HTREEITEM node : tree().entries(parent)) {
                if (tree().itemText(node) == label) {
                    found = node;
                }
            }
            if (found == nullptr) {
                throw std::runtime_error("no entry " + label);
            }
            parent = found;
        }
        return parent;
    }
    void command(std::vector<std::string> path, COMMAND command) {
        // A new group's name is asked for; the proposed one is taken.
        Answer name(L"グループ名", static_cast<int>(InputDialog::CTRL::EDIT),
                    static_cast<int>(InputDialog::CTRL::OK));
        tree().select(path.empty() ? nullptr : entry(path));
        SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
    }
    void pick(std::vector<std::string> ids) {
        list().itemState(-1, tvgui::LISTITEM_STATE::NONE, tvgui::LISTITEM_STATE::SELECTED);
        for (int index = 0; index < list().itemCount(); ++index) {
            if (std::find(ids.begin(), ids.end(), list().idAt(index)) != ids.end()) {
                list().itemState(index, tvgui::LISTITEM_STATE::SELECTED,
                                 tvgui::LISTITEM_STATE::SELECTED);
            }
        }
    }
    // A drag from the tree (a path) or the list (the picked items), let go over target.
    void drag(std::vector<std::string> from, std::vector<std::string> target) {
        NMTREEVIEWW begin{};
        begin.hdr = {tree().hwnd(), static_cast<UINT_PTR>(CTRL::TREE), TVN_BEGINDRAGW};
        NMLISTVIEW listBegin{};
        listBegin.hdr = {list().hwnd(), static_cast<UINT_PTR>(CTRL::LIST), LVN_BEGINDRAG};
        NMHDR* header = &listBegin.hdr;
        if (!from.empty()) {
            begin.itemNew.hItem = entry(from);
            header = &begin.hdr;
        }
        SendMessageW(dialog.hwnd(), WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
        const RECT line = tree().itemRect(entry(target), true).value();
        POINT point{(line.left + line.right) / 2, (line.top + line.bottom) / 2};
        MapWindowPoints(tree().hwnd(), dialog.hwnd(), &point, 1);
        SendMessageW(dialog.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        SendMessageW(dialog.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    // What the page writes into the groups copy when it is left.
    GroupTree left() {
        EXPECT_TRUE(dialog.leavePage());
        return file::loadGroupTree(groups);
    }
};

using Groups = std::vector<GroupTree::MainGroup>;
const GroupTree::MainGroup WORK{"Work", false, {{"Tools", {"edit", "shell"}}}};
const GroupTree::MainGroup PLAY{"Play", false, {{"Games", {"chess"}}}};
const GroupTree::MainGroup MENU{"<Menu>", true, {{"Daily", {"web"}}}};

TEST_F(GroupDialogTest, CommandsAndDropsArrangeTheTreeThatIsWrittenOnLeaving) {
    struct Case {
        std::string_view label;
        std::function<void(GroupDialogTest&)> steps;
        Groups expected;
    };
    const std::vector<Case> cases = {
        {"unchanged", [](auto&) {}, {WORK, PLAY, MENU}},
        {"a main group added goes before the menu group",
         [](auto& t) { t.command({"<Menu>"}, COMMAND::ADD_MAIN); },
         {WORK, PLAY, {"Main Group", false, {}}, MENU}},
        {"inserted at the selection, two sub groups named apart",
         [](auto& t) {
             t.command({"Play"}, COMMAND::INSERT_MAIN);
             t.command({"Main Group"}, COMMAND::ADD_SUB);
             t.command({"Main Group"}, COMMAND::ADD_SUB);
             t.command({"Main Group", "Sub Group 2"}, COMMAND::INSERT_SUB);
         },
         {WORK,
          {"Main Group", false, {{"Sub Group", {}}, {"Sub Group 3", {}}, {"Sub Group 2", {}}}},
          PLAY,
          MENU}},
        {"items from the list: inserted before the selection, added at the end",
         [](auto& t) {
             t.pick({"mail", "web"});
             t.command({"Work", "Tools", "shell"}, COMMAND::INSERT_ITEM);
             t.pick({"edit"});
             t.command({"<Menu>", "Daily"}, COMMAND::ADD_ITEM);
             // A main group takes no items.
             t.command({"Play"}, COMMAND::ADD_ITEM);
         },
         {{"Work", false, {{"Tools", {"edit", "web", "mail", "shell"}}}},
          PLAY,
          {"<Menu>", true, {{"Daily", {"web", "edit"}}}}}},
        {"moved up and down; the first stays first",
         [](auto& t) {
             t.command({"Play"}, COMMAND::UP);
             t.command({"Work", "Tools", "edit"}, COMMAND::DOWN);
             t.command({"Play"}, COMMAND::UP);
         },
         {PLAY, {"Work", false, {{"Tools", {"shell", "edit"}}}}, MENU}},
        {"removed; the menu group stays",
         [](auto& t) {
             t.command({"Work"}, COMMAND::REMOVE);
             t.command({"<Menu>"}, COMMAND::REMOVE);
             t.command({"Play", "Games", "chess"}, COMMAND::REMOVE);
         },
         {{"Play", false, {{"Games", {}}}}, MENU}},
        {"dropped: items onto a sub group and after an item, groups among their own level",
         [](auto& t) {
             t.drag({"Work", "Tools", "edit"}, {"Play", "Games"});
             t.pick({"mail"});
             t.drag({}, {"Play", "Games", "chess"});
             t.drag({"<Menu>", "Daily"}, {"Work"});
             t.drag({"<Menu>"}, {"Work"});
             // An item is no group: nothing moves.
             t.drag({"Work", "Tools", "shell"}, {"Play"});
         },
         {{"<Menu>", true, {}},
          {"Work", false, {{"Tools", {"shell"}}, {"Daily", {"web"}}}},
          {"Play", false, {{"Games", {"chess", "mail", "edit"}}}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        groups = startingGroups();
        dialog.enterPage();
        c.steps(*this);
        GroupTree expected{c.expected};
        EXPECT_EQ(tree().read(), expected);
        // The menu group reads back last wherever it was left.
        std::stable_partition(expected.groups.begin(), expected.groups.end(),
                              [](const auto& group) { return !group.menu; });
        EXPECT_EQ(left(), expected);
    }
}

TEST_F(GroupDialogTest, RemovingEverythingLeavesTheEmptyGroupList) {
    for (const char* group : {"Work", "Play"}) {
        command({group}, COMMAND::REMOVE);
    }
    command({"<Menu>", "Daily"}, COMMAND::REMOVE);
    ASSERT_TRUE(dialog.leavePage());
    EXPECT_EQ(groups.GetChild("Group").toString(), "$");
    EXPECT_EQ(groups.GetChild("Group").ChildCount(), 0u);
}

TEST_F(GroupDialogTest, LabelEditsKeepGroupNamesWritable) {
    struct Case {
        std::vector<std::string> entry;
        std::string typed;
        // Empty when the name is taken; what the refusal says otherwise.
        std::string_view refusal;
    };
    const std::vector<Case> cases = {
        {{"Work"}, "Work/Home", "使えません"},
        {{"Work"}, "a;b", "使えません"},
        {{"Work"}, "", "空"},
        {{"Play"}, "<Menu>", "メニューグループ"},
        {{"Play"}, "Work", "既に"},
        {{"Work", "Tools"}, "Tools", ""},
        {{"Play", "Games"}, "Tools", ""},
        {{"Work"}, "仕事 2", ""},
    };
    LoopGuard guard;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const HTREEITEM node = entry(c.entry);
        const std::string before = tree().itemText(node);
        // As the user does: the entry is selected, then its label edited.
        tree().select(node);
        tree().focus();
        const HWND edit = reinterpret_cast<HWND>(
            SendMessageW(tree().hwnd(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(node)));
        ASSERT_NE(edit, nullptr);
        SetWindowTextW(edit, system::toWide(c.typed).c_str());
        Answer refusal(L"グループ設定", MESSAGE_TEXT, MESSAGE_OK, MESSAGE_BOX);
        tree().endEditLabel(false);
        EXPECT_EQ(tree().itemText(node), c.refusal.empty() ? c.typed : before);
        EXPECT_NE(refusal.text.find(c.refusal), std::string::npos) << refusal.text;
        EXPECT_EQ(refusal.answered, !c.refusal.empty());
    }
    // Neither the menu group nor an item entry is renamed.
    for (const std::vector<std::string>& fixed :
         {std::vector<std::string>{"<Menu>"}, {"Play", "Tools", "chess"}}) {
        EXPECT_EQ(
            SendMessageW(tree().hwnd(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(entry(fixed))),
            0);
    }
    EXPECT_TRUE(dialog.leavePage());
    EXPECT_EQ(file::loadGroupTree(groups).groups[0].name, "仕事 2");
}

} // namespace
} // namespace tavrin::gui::test
