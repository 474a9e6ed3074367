#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "file/items/grouptree.h"
#include "tvgui/control/treeview.h"

namespace tavrin::gui {

// What a node of the group tree stands for; its number is the node's parameter.
enum class GROUP_KIND : LPARAM { NONE = 0, MAIN = 1, MENU = 2, SUB = 3, ITEM = 4 };

// The groups as a tree of three levels: main groups and the menu group, their sub groups, the
// sub groups' item IDs. It keeps the levels apart: an entry only ever lies among entries of
// its own level, under a parent of the level above.
class GroupTreeView final : public tvgui::TreeView {
public:
    GroupTreeView(tvgui::ITEM_ID id, tvgui::TvGui& owner);

    void load(const file::GroupTree& tree);
    file::GroupTree read() const;

    GROUP_KIND kind(HTREEITEM node) const;
    // The nearest of node and its ancestors that is of the level of kind (MAIN and MENU are
    // one level); null when there is none.
    HTREEITEM levelAbove(HTREEITEM node, GROUP_KIND kind) const;
    // The entries under parent (null: the top entries), in order.
    std::vector<HTREEITEM> entries(HTREEITEM parent) const;
    // The texts of the entries beside node, node's own left out.
    std::vector<std::string> siblingNames(HTREEITEM node) const;

    // A new entry under parent after the sibling after (a node, TREE_NODE::FIRST or LAST),
    // shown and selected.
    HTREEITEM add(HTREEITEM parent, HTREEITEM after, GROUP_KIND kind, std::string_view text);
    // Item entries for ids under the sub group sub after the sibling after (a node,
    // TREE_NODE::FIRST or LAST); the last new entry, or null when sub is no sub group.
    HTREEITEM addItems(HTREEITEM sub, HTREEITEM after, std::span<const std::string> ids);
    // Moves node one place up or down among its siblings; its new handle, or null at the end.
    HTREEITEM shift(HTREEITEM node, bool up);
    // Moves node, dropped on target, where a drop means: onto an entry of its own level, into
    // that entry's place (before it when coming from below it, after it otherwise); onto an
    // entry of the level above, last under it. The new handle, or null when nothing moved.
    HTREEITEM drop(HTREEITEM node, HTREEITEM target);

private:
    HTREEITEM place(HTREEITEM node, HTREEITEM parent, HTREEITEM after);
};

} // namespace tavrin::gui
