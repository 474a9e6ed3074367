#include "gui/control/grouptreeview.h"

#include <algorithm>

namespace tavrin::gui {
namespace {

using tvgui::TREE_NODE;
using tvgui::treeNode;
using NEXT = tvgui::TreeView::NEXT;

// Main groups and the menu group share the top level.
int levelOf(GROUP_KIND kind) {
    switch (kind) {
    case GROUP_KIND::MAIN:
    case GROUP_KIND::MENU:
        return 0;
    case GROUP_KIND::SUB:
        return 1;
    case GROUP_KIND::ITEM:
        return 2;
    default:
        return -1;
    }
}

} // namespace

GroupTreeView::GroupTreeView(tvgui::ITEM_ID id, tvgui::TvGui& owner) : TreeView(id, owner) {
    editLabels(true);
    noHideSelect(true);
}

void GroupTreeView::load(const file::GroupTree& tree) {
    clear();
    for (const file::GroupTree::MainGroup& group : tree.groups) {
        const HTREEITEM main =
            insert(nullptr, group.name,
                   static_cast<LPARAM>(group.menu ? GROUP_KIND::MENU : GROUP_KIND::MAIN));
        for (const file::GroupTree::SubGroup& sub : group.subGroups) {
            const HTREEITEM subNode = insert(main, sub.name, static_cast<LPARAM>(GROUP_KIND::SUB));
            for (const std::string& id : sub.items) {
                insert(subNode, id, static_cast<LPARAM>(GROUP_KIND::ITEM));
            }
            expand(subNode, EXPAND::EXPAND);
        }
        expand(main, EXPAND::EXPAND);
    }
}

file::GroupTree GroupTreeView::read() const {
    file::GroupTree tree;
    for (HTREEITEM main : entries(nullptr)) {
        file::GroupTree::MainGroup group{itemText(main), kind(main) == GROUP_KIND::MENU, {}};
        for (HTREEITEM sub : entries(main)) {
            file::GroupTree::SubGroup subGroup{itemText(sub), {}};
            for (HTREEITEM item : entries(sub)) {
                subGroup.items.push_back(itemText(item));
            }
            group.subGroups.push_back(std::move(subGroup));
        }
        tree.groups.push_back(std::move(group));
    }
    return tree;
}

GROUP_KIND GroupTreeView::kind(HTREEITEM node) const {
    return node == nullptr ? GROUP_KIND::NONE : static_cast<GROUP_KIND>(itemParam(node));
}

HTREEITEM GroupTreeView::levelAbove(HTREEITEM node, GROUP_KIND wanted) const {
    while (node != nullptr && levelOf(kind(node)) > levelOf(wanted)) {
        node = next(node, NEXT::PARENT);
    }
    return node != nullptr && levelOf(kind(node)) == levelOf(wanted) ? node : nullptr;
}

std::vector<HTREEITEM> GroupTreeView::entries(HTREEITEM parent) const {
    std::vector<HTREEITEM> found;
    for (HTREEITEM node = parent == nullptr ? next(nullptr, NEXT::ROOT) : next(parent, NEXT::CHILD);
         node != nullptr; node = next(node, NEXT::NEXT)) {
        found.push_back(node);
    }
    return found;
}

std::vector<std::string> GroupTreeView::siblingNames(HTREEITEM node) const {
    std::vector<std::string> names;
    for (HTREEITEM sibling : entries(next(node, NEXT::PARENT))) {
        if (sibling != node) {
            names.push_back(itemText(sibling));
        }
    }
    return names;
}

HTREEITEM GroupTreeView::add(HTREEITEM parent, HTREEITEM after, GROUP_KIND kind,
                             std::string_view text) {
    tvgui::TREEINSERTITEM entry;
    entry.parent = parent == nullptr ? treeNode(TREE_NODE::ROOT) : parent;
    entry.after = after;
    entry.item.mask = tvgui::TREEITEM::MASK::TEXT | tvgui::TREEITEM::MASK::PARAM;
    entry.item.text = std::string(text);
    entry.item.param = static_cast<LPARAM>(kind);
    const HTREEITEM node = insert(entry);
    if (node != nullptr) {
        select(node);
        ensureVisible(node);
    }
    return node;
}

HTREEITEM GroupTreeView::addItems(HTREEITEM sub, HTREEITEM after,
                                  std::span<const std::string> ids) {
    if (kind(sub) != GROUP_KIND::SUB) {
        return nullptr;
    }
    HTREEITEM added = nullptr;
    for (const std::string& id : ids) {
        added = add(sub, after, GROUP_KIND::ITEM, id);
        after = added;
    }
    return added;
}

HTREEITEM GroupTreeView::shift(HTREEITEM node, bool up) {
    const HTREEITEM parent = next(node, NEXT::PARENT);
    if (up) {
        const HTREEITEM previous = next(node, NEXT::PREVIOUS);
        if (previous == nullptr) {
            return nullptr;
        }
        const HTREEITEM before = next(previous, NEXT::PREVIOUS);
        return place(node, parent, before == nullptr ? treeNode(TREE_NODE::FIRST) : before);
    }
    const HTREEITEM following = next(node, NEXT::NEXT);
    return following == nullptr ? nullptr : place(node, parent, following);
}

HTREEITEM GroupTreeView::drop(HTREEITEM node, HTREEITEM target) {
    if (node == nullptr || target == nullptr || node == target) {
        return nullptr;
    }
    const int level = levelOf(kind(node));
    const int targetLevel = levelOf(kind(target));
    if (targetLevel == level - 1) {
        return place(node, target, treeNode(TREE_NODE::LAST));
    }
    if (targetLevel != level) {
        return nullptr;
    }
    const HTREEITEM parent = next(target, NEXT::PARENT);
    const std::vector<HTREEITEM> siblings = entries(parent);
    const auto nodeAt = std::find(siblings.begin(), siblings.end(), node);
    const auto targetAt = std::find(siblings.begin(), siblings.end(), target);
    if (nodeAt != siblings.end() && nodeAt > targetAt) {
        const HTREEITEM before = next(target, NEXT::PREVIOUS);
        return place(node, parent, before == nullptr ? treeNode(TREE_NODE::FIRST) : before);
    }
    return place(node, parent, target);
}

HTREEITEM GroupTreeView::place(HTREEITEM node, HTREEITEM parent, HTREEITEM after) {
    const HTREEITEM moved =
        moveNode(node, parent == nullptr ? treeNode(TREE_NODE::ROOT) : parent, after);
    if (moved != nullptr) {
        select(moved);
        ensureVisible(moved);
    }
    return moved;
}

} // namespace tavrin::gui
