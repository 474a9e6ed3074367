#pragma once

#include "etc/drevak/drevak.h"
#include "file/items/itemlist.h"

namespace tavrin::file::items {

// The item list of an items document: every child of its "Item" node (the application's
// document or a dialog's own copy) as an item, in the document's order, found by its ID,
// display name and tags as the item's view reads them; its trees (ItemList::tree) serve the
// three kinds of search. The list copies what it needs, so it outlives changes to the
// document; viewing the items repairs their nodes as any view does. A child that cannot be
// viewed as an item (its name is no valid ID) is left out and the reason is logged.
ItemList documentItemList(drevak::Drevak& items);

} // namespace tavrin::file::items
