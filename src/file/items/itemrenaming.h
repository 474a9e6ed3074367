#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/itemnaming.h"

// Groups, multi-items, links and settings name items by ID, so an item's ID cannot change or go
// without them. items is the items document's "Item" node, groups the groups document's
// "Group" node (main groups and "<Menu>" alike), settings the settings
// that name items.
namespace tavrin::file {

// The items that name an item: multi-items listing it and links to it, in document order.
struct ItemReferrers {
    std::vector<std::string> multis;
    std::vector<std::string> links;

    bool empty() const noexcept { return multis.empty() && links.empty(); }
};

ItemReferrers referrersOf(drevak::Drevak& items, std::string_view id);

// Moves the item's node to the new ID and renames every mention of the old one: in the
// group lists, the multi-items' lists, the links' addresses and the settings.
void renameItem(drevak::Drevak& items, drevak::Drevak& groups, ItemNaming& settings,
                const std::string& from, const std::string& to);

// Removes the item, its ID from the group lists and from the multi-items' lists, and the
// links to it (which could start nothing any more) in the same way; settings that named one
// of them forget it (ItemNaming::itemDeleted). The caller asks the user first when referrersOf is
// not empty or a setting names the item.
void deleteItem(drevak::Drevak& items, drevak::Drevak& groups, ItemNaming& settings,
                const std::string& id);

} // namespace tavrin::file
