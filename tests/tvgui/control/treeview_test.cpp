#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "noticeowner.h"
#include "pumpmessages.h"
#include "system/unicode.h"
#include "testwindow.h"
#include "tvgui/control/treeview.h"

namespace tavrin::tvgui {
namespace {

using NEXT = TreeView::NEXT;

// The texts of the nodes below parent (the top nodes for null), in order, each followed by
// its own children in brackets: "a[b,c],d".
std::string shape(const TreeView& tree, HTREEITEM parent) {
    std::string text;
    HTREEITEM node =
        parent == nullptr ? tree.next(nullptr, NEXT::ROOT) : tree.next(parent, NEXT::CHILD);
    for (; node != nullptr; node = tree.next(node, NEXT::NEXT)) {
        text += (text.empty() ? "" : ",") + tree.itemText(node);
        if (tree.next(node, NEXT::CHILD) != nullptr) {
            text += "[" + shape(tree, node) + "]";
        }
    }
    return text;
}

// Main groups, their sub groups and items, as the group page shows them.
struct Groups {
    test::RecordingWindow window{nullptr, 400, 400};
    TreeView tree{ITEM_ID{3}, window};
    HTREEITEM main = tree.insert(nullptr, "メイン", 1);
    HTREEITEM tools = tree.insert(main, "ツール", 2);
    HTREEITEM editor = tree.insert(tools, "editor", 3);
    HTREEITEM mail = tree.insert(tools, "mail", 4);
    HTREEITEM games = tree.insert(main, "ゲーム", 5);
    HTREEITEM menu = tree.insert(nullptr, "<Menu>", 6);

    Groups() { tree.move(0, 0, 380, 360, true); }
};

TEST(TreeViewTest, ATreeIsWalkedReadAndChanged) {
    Groups groups;
    TreeView& tree = groups.tree;
    const DWORD styles = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(tree.hwnd(), GWL_STYLE)) & styles, styles);
    EXPECT_TRUE(tree.clientEdge());
    EXPECT_EQ(tree.count(), 6U);
    EXPECT_EQ(shape(tree, nullptr), "メイン[ツール[editor,mail],ゲーム],<Menu>");

    const struct {
        HTREEITEM from;
        NEXT relation;
        HTREEITEM to;
        const char* text;
        LPARAM param;
    } walks[] = {
        {nullptr, NEXT::ROOT, groups.main, "メイン", 1},
        {groups.main, NEXT::CHILD, groups.tools, "ツール", 2},
        {groups.tools, NEXT::NEXT, groups.games, "ゲーム", 5},
        {groups.games, NEXT::PREVIOUS, groups.tools, "ツール", 2},
        {groups.mail, NEXT::PARENT, groups.tools, "ツール", 2},
        {groups.main, NEXT::NEXT, groups.menu, "<Menu>", 6},
        {groups.menu, NEXT::NEXT, nullptr, "", 0},
        {groups.editor, NEXT::CHILD, nullptr, "", 0},
    };
    for (const auto& walk : walks) {
        SCOPED_TRACE(walk.text);
        const HTREEITEM reached = tree.next(walk.from, walk.relation);
        EXPECT_EQ(reached, walk.to);
        EXPECT_EQ(tree.itemText(reached), walk.text);
        EXPECT_EQ(tree.itemParam(reached), walk.param);
    }

    EXPECT_FALSE(tree.expanded(groups.main));
    EXPECT_TRUE(tree.expand(groups.main, TreeView::EXPAND::EXPAND));
    EXPECT_TRUE(tree.expanded(groups.main));
    EXPECT_EQ(tree.next(groups.main, NEXT::NEXTVISIBLE), groups.tools);
    EXPECT_TRUE(tree.expand(groups.main, TreeView::EXPAND::TOGGLE));
    EXPECT_FALSE(tree.expanded(groups.main));
    EXPECT_EQ(tree.next(groups.main, NEXT::NEXTVISIBLE), groups.menu);

    EXPECT_TRUE(tree.select(groups.mail));
    EXPECT_EQ(tree.selection(), groups.mail);
    // Selecting a hidden node opens its parents.
    EXPECT_TRUE(tree.expanded(groups.main) && tree.expanded(groups.tools));
    EXPECT_TRUE(hasFlags(tree.itemState(groups.mail, TREEITEM::STATE::SELECTED),
                         TREEITEM::STATE::SELECTED));

    const std::string renamed = std::string(300, 'n') + "名";
    EXPECT_TRUE(tree.itemText(groups.games, renamed));
    EXPECT_EQ(tree.itemText(groups.games), renamed);
    const auto record = tree.item(groups.games, TREEITEM::MASK::TEXT | TREEITEM::MASK::PARAM);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->text, renamed);
    EXPECT_EQ(record->param, 5);

    EXPECT_TRUE(tree.remove(groups.tools));
    EXPECT_EQ(tree.count(), 3U);
    EXPECT_EQ(tree.next(groups.main, NEXT::CHILD), groups.games);
    EXPECT_TRUE(tree.clear());
    EXPECT_EQ(tree.count(), 0U);
    EXPECT_EQ(tree.next(nullptr, NEXT::ROOT), nullptr);
}

TEST(TreeViewTest, ANodeMovesWithItsChildrenButNeverIntoItself) {
    const HTREEITEM first = treeNode(TREE_NODE::FIRST);
    const struct {
        const char* name;
        HTREEITEM Groups::*node;
        HTREEITEM Groups::*parent;
        // The sibling the node goes after; the first place when null.
        HTREEITEM Groups::*after;
        const char* result;
    } moves[] = {
        {"sub group to the menu", &Groups::tools, &Groups::menu, &Groups::menu,
         "メイン[ゲーム],<Menu>[ツール[editor,mail]]"},
        {"item before its sibling", &Groups::mail, &Groups::tools, nullptr,
         "メイン[ツール[mail,editor],ゲーム],<Menu>"},
        {"item after another group", &Groups::editor, &Groups::main, &Groups::games,
         "メイン[ツール[mail],ゲーム,editor],<Menu>"},
        {"group to the top", &Groups::menu, &Groups::menu, nullptr, ""},
        {"group into its own item", &Groups::main, &Groups::editor, nullptr,
         "メイン[ツール[editor,mail],ゲーム],<Menu>"},
        {"group into itself", &Groups::tools, &Groups::tools, nullptr,
         "メイン[ツール[editor,mail],ゲーム],<Menu>"},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.name);
        Groups groups;
        TreeView& tree = groups.tree;
        const HTREEITEM node = groups.*move.node;
        HTREEITEM parent = groups.*move.parent;
        HTREEITEM after = move.after != nullptr ? groups.*move.after : first;
        std::string result = move.result;
        if (result.empty()) {
            parent = nullptr;
            result = "<Menu>,メイン[ツール[editor,mail],ゲーム]";
        }
        if (after == parent) {
            after = treeNode(TREE_NODE::LAST);
        }
        const LPARAM param = tree.itemParam(node);
        tree.expand(node, TreeView::EXPAND::EXPAND);
        const bool inside = parent != nullptr && tree.within(parent, node);
        const HTREEITEM moved = tree.moveNode(node, parent, after);
        EXPECT_EQ(moved == nullptr, inside);
        EXPECT_EQ(shape(tree, nullptr), result);
        EXPECT_EQ(tree.count(), 6U);
        if (moved != nullptr) {
            EXPECT_EQ(tree.itemParam(moved), param);
            EXPECT_EQ(tree.expanded(moved), tree.next(moved, NEXT::CHILD) != nullptr);
        }
    }
}

TEST(TreeViewTest, AHitOnANodesTextNamesTheNode) {
    Groups groups;
    TreeView& tree = groups.tree;
    tree.expand(groups.main, TreeView::EXPAND::EXPAND);
    const auto text = tree.itemRect(groups.games, true);
    ASSERT_TRUE(text);
    const TREEHITTEST hit =
        tree.hitTest(POINT{(text->left + text->right) / 2, (text->top + text->bottom) / 2});
    EXPECT_EQ(hit.node, groups.games);
    EXPECT_TRUE(hasFlags(hit.flags, TREEHITTEST::FLAGS::ONITEMLABEL));
    // Children of a closed node have no place on the screen.
    EXPECT_FALSE(tree.itemRect(groups.editor, false));
    const auto line = tree.itemRect(groups.menu, false);
    ASSERT_TRUE(line);
    EXPECT_EQ(tree.hitTest(POINT{text->left, line->bottom + 30}).node, nullptr);

    // What a drag of the node carries: the tree draws it only with images of its own.
    const ImageList images(16, 16, ImageList::COLOR_TYPE::COLOR32, 1, 1);
    EXPECT_FALSE(tree.setImageList(images, TreeView::IMAGE_TYPE::NORMAL));
    EXPECT_EQ(tree.imageList(TreeView::IMAGE_TYPE::NORMAL)->get(), images.get());
    const auto picture = tree.dragImage(groups.games);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->owns());
}

TEST(TreeViewTest, AKeyThatMovesTheSelectionReachesTheOwner) {
    test::NoticeOwner owner;
    TreeView tree(ITEM_ID{9}, owner);
    tree.move(0, 0, 300, 200, true);
    const HTREEITEM first = tree.insert(nullptr, "一", 10);
    const HTREEITEM second = tree.insert(nullptr, "二", 20);
    tree.select(first);
    struct Change {
        HTREEITEM from;
        HTREEITEM to;
        LPARAM param;
        TREE_ACTION cause;
    };
    std::vector<Change> changes;
    owner.heard = [&](NMHDR& header, ITEM_ID id) -> LRESULT {
        if (id == ITEM_ID{9} && header.code == static_cast<UINT>(TreeView::EVENT::SELCHANGED)) {
            const TREEVIEWMESSAGE message(header);
            changes.push_back(
                {message.oldNode(), message.newNode(), message.newParam(), message.cause()});
        }
        return 0;
    };
    SendMessageW(tree.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    test::pumpMessages();
    ASSERT_EQ(changes.size(), 1U);
    EXPECT_EQ(changes[0].from, first);
    EXPECT_EQ(changes[0].to, second);
    EXPECT_EQ(changes[0].param, 20);
    EXPECT_EQ(changes[0].cause, TREE_ACTION::BYKEYBOARD);
    EXPECT_EQ(tree.selection(), second);
}

TEST(TreeViewTest, ALabelEditIsKeptOnlyWhenTheOwnerTakesIt) {
    const struct {
        const char* typed;
        bool cancel;
        LRESULT answer;
        std::optional<std::string> heard;
        const char* label;
    } edits[] = {
        {"新しい名前", false, TRUE, "新しい名前", "新しい名前"},
        {"新しい名前", false, FALSE, "新しい名前", "Sub Group"},
        {"新しい名前", true, TRUE, std::nullopt, "Sub Group"},
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(std::string(edit.typed) + (edit.cancel ? " cancelled" : ""));
        test::NoticeOwner owner;
        TreeView tree(ITEM_ID{4}, owner);
        tree.editLabels(true);
        tree.move(0, 0, 300, 200, true);
        const HTREEITEM node = tree.insert(nullptr, "Sub Group");
        std::vector<std::optional<std::string>> heard;
        owner.heard = [&](NMHDR& header, ITEM_ID) -> LRESULT {
            if (header.code != static_cast<UINT>(TreeView::EVENT::ENDLABELEDIT)) {
                return 0;
            }
            heard.push_back(TreeView::editedLabel(header));
            return edit.answer;
        };
        owner.show(SHOW::SHOW);
        ASSERT_TRUE(tree.editLabel(node));
        const auto editor =
            reinterpret_cast<HWND>(SendMessageW(tree.hwnd(), TVM_GETEDITCONTROL, 0, 0));
        ASSERT_NE(editor, nullptr);
        SetWindowTextW(editor, system::toWide(edit.typed).c_str());
        SendMessageW(editor, WM_KEYDOWN, edit.cancel ? VK_ESCAPE : VK_RETURN, 0);
        EXPECT_FALSE(IsWindow(editor));
        test::pumpMessages();
        owner.heard = nullptr;
        ASSERT_EQ(heard.size(), 1U);
        EXPECT_EQ(heard[0], edit.heard);
        EXPECT_EQ(tree.itemText(node), edit.label);
    }
}

} // namespace
} // namespace tavrin::tvgui
