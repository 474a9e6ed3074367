#pragma once

#include <string>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/items/groups.h"

namespace tavrin::file {

// Adds each dropped path, in order, as a new item at the end of the sub group where: a
// program, document or folder as its path gives it (the name without the extension), a
// shortcut (".lnk") with its target, options, work folder, icon and name. An ID another item
// has already gets the first free number after it. Without that sub group a new one is made
// (in a new main group when that is missing too). items is the "Item" node, groups the groups
// document's root. Where the items went. Raises, changing nothing, when a path names nothing
// (ItemSetException), a shortcut cannot be read (ShortcutException) or a name cannot be
// stored.
Main::Selection addDroppedItems(const std::vector<std::string>& paths, const Main::Selection& where,
                                drevak::Drevak& items, drevak::Drevak& groups);

} // namespace tavrin::file
