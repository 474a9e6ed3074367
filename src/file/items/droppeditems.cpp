#include "file/items/droppeditems.h"

#include <algorithm>
#include <span>

#include "file/items/grouptree.h"
#include "file/items/itemeditor.h"
#include "file/items/itemfill.h"
#include "system/tavrinerrors.h"
#include "utility/convert.h"

namespace tavrin::file {

namespace {

// id, or id with the first number from 2 that no item and no earlier drop has.
std::string freeItemId(const std::string& id, const drevak::Drevak& items,
                       std::span<const ItemEditor> earlier) {
    const auto taken = [&](const std::string& candidate) {
        return items.HaveChild(candidate) ||
               std::any_of(earlier.begin(), earlier.end(),
                           [&](const ItemEditor& editor) { return editor.id == candidate; });
    };
    std::string candidate = id;
    for (int number = 2; taken(candidate); ++number) {
        candidate = id + "_" + std::to_string(number);
    }
    return candidate;
}

template <typename Group> std::vector<std::string> namesOf(const std::vector<Group>& groups) {
    std::vector<std::string> names;
    for (const Group& group : groups) {
        names.push_back(group.name);
    }
    return names;
}

// The named group of the list; a new one, its name free among the others, when there is none.
template <typename Group>
Group& groupOrNew(std::vector<Group>& groups, const std::string& name, std::string_view base) {
    const auto found = std::find_if(groups.begin(), groups.end(), [&](const Group& group) {
        return !name.empty() && group.name == name;
    });
    if (found != groups.end()) {
        return *found;
    }
    Group& made = groups.emplace_back();
    made.name = freeGroupName(base, namesOf(groups));
    return made;
}

} // namespace

Main::Selection addDroppedItems(const std::vector<std::string>& paths, const Main::Selection& where,
                                drevak::Drevak& items, drevak::Drevak& groups) {
    std::vector<ItemEditor> added;
    for (const std::string& path : paths) {
        ItemEditor editor;
        dropFiles(editor, {path}, true, false);
        if (!utility::isItemId(editor.id)) {
            throw system::ItemSetException(editor.id + "はIDに使用不可");
        }
        editor.id = freeItemId(editor.id, items, added);
        added.push_back(std::move(editor));
    }
    GroupTree tree = loadGroupTree(groups);
    // The menu group, always last, is no place for a dropped item.
    GroupTree::MainGroup menu = std::move(tree.groups.back());
    tree.groups.pop_back();
    GroupTree::MainGroup& group = groupOrNew(tree.groups, where.group, NEW_MAIN_GROUP);
    GroupTree::SubGroup& subGroup = groupOrNew(group.subGroups, where.subGroup, NEW_SUB_GROUP);
    for (const ItemEditor& editor : added) {
        subGroup.items.push_back(editor.id);
    }
    const Main::Selection landed{group.name, subGroup.name};
    tree.groups.push_back(std::move(menu));
    saveGroupTree(tree, groups);
    for (const ItemEditor& editor : added) {
        addEditor(editor, items);
    }
    return landed;
}

} // namespace tavrin::file
