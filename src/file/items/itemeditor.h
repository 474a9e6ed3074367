#pragma once

#include <optional>
#include <string>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/itemnaming.h"
#include "file/items/item.h"
#include "file/items/itemdatetime.h"

namespace tavrin::file {

// The settings of one item while the user edits them: nothing reaches the document until the
// edit is applied, so a refused edit loses nothing and changes nothing.
struct ItemEditor {
    using Integer = drevak::Integer;

    std::string id;
    std::string name;
    Item::TYPE type = Item::TYPE::NORMAL;
    // The address of NORMAL, URI and LINK items.
    std::string address;
    // The member IDs of a MULTI item.
    std::vector<std::string> members;
    std::string workFolder;
    std::string option;
    std::string iconAddress;
    Integer iconIndex = 0;
    Integer show = 1;
    std::vector<std::string> tags;
    // The key letter's character code, "A" to "Z".
    Integer key = 'A';
    std::string comment;
    std::vector<std::string> historyWorkFolders;
    std::vector<std::string> historyOptions;
    std::optional<ItemDateTime> registered;
    std::optional<ItemDateTime> lastUsed;
    Integer useCount = 0;

    bool operator==(const ItemEditor&) const = default;
};

// The editor filled from the item as stored. A history time that cannot be read is left
// empty rather than stopping the edit.
ItemEditor loadEditor(const Item& item);

// Writes the edited settings into the item through its setters: the address with the setter
// of the edited kind, then the other settings. A link keeps leaving out the settings it
// leaves out, unless the edit gives one a value other than the default.
void applyEditor(const ItemEditor& editor, Item& item);

// Adds the edit as a new item under items (the "Item" node), with the time of its
// registration when it has none.
void addEditor(const ItemEditor& editor, drevak::Drevak& items);

// Stores the edit in the documents: a new item (originalId empty) is added as addEditor adds
// it; an item whose ID changed is renamed first, with every reference to it (see renameItem).
// items is the "Item" node, groups the "Group" node.
void commitEditor(const ItemEditor& editor, const std::string& originalId, drevak::Drevak& items,
                  drevak::Drevak& groups, ItemNaming& settings);

} // namespace tavrin::file
