#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/drevak.h"

namespace tavrin::file {

// The groups of a groups document as one editable tree: main groups, the menu launcher's
// group among them, their sub groups and each sub group's item IDs. It is what the group
// settings page edits between reading the document and writing it back.
struct GroupTree {
    struct SubGroup {
        std::string name;
        std::vector<std::string> items;
        bool operator==(const SubGroup&) const = default;
    };
    struct MainGroup {
        std::string name;
        // The menu launcher's group: it is kept under "Group" but never listed there.
        bool menu = false;
        std::vector<SubGroup> subGroups;
        bool operator==(const MainGroup&) const = default;
    };

    std::vector<MainGroup> groups;
    bool operator==(const GroupTree&) const = default;
};

// The main groups of the "Group" node of groups in list order, then the menu group; a group
// listed without a node of its own reads as empty.
GroupTree loadGroupTree(drevak::Drevak& groups);

// Replaces the "Group" node of groups with the tree: the main groups' names (never the menu
// group's) as its list, each group's sub groups, each sub group's items. A menu group without
// sub groups is left out: it would be written as an empty line the reader drops, and every
// load makes it again. The rest of the document is kept. Raises GroupDataException, leaving
// the document untouched, when a name of the tree is refused (groupNameFault).
void saveGroupTree(const GroupTree& tree, drevak::Drevak& groups);

// Why name cannot name a group beside siblings (the names of the other groups at its level),
// or empty when it can. A group's name is both a node's name and an entry of a list, so it
// must be a name the document can hold, free of tabs; "<Menu>" is taken by the menu group,
// and a sibling of the same name would share its node.
std::string groupNameFault(std::string_view name, std::span<const std::string> siblings);

// What a group made without a name of the user's is called, before freeGroupName.
inline constexpr std::string_view NEW_MAIN_GROUP = "Main Group";
inline constexpr std::string_view NEW_SUB_GROUP = "Sub Group";

// base when no sibling is called so, else base with the first free number from 2 after it:
// "Sub Group", "Sub Group 2", ...
std::string freeGroupName(std::string_view base, std::span<const std::string> siblings);

} // namespace tavrin::file
