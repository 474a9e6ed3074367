#pragma once

#include <string>
#include <vector>

#include "etc/drevak/drevak.h"
#include "tvgui/control/listview.h"

namespace tavrin::gui {

// The items of an items document in a report list, ID and name, in the document's order, to
// pick items from. It shows no icons: finding an item's icon asks the file system, which a
// list of every item must not wait on.
class ItemListView final : public tvgui::ListView {
public:
    ItemListView(tvgui::ITEM_ID id, tvgui::TvGui& owner);

    // Shows the items under items (an items document's "Item" node) as they are now.
    void fill(drevak::Drevak& items);
    // The IDs of the selected items, top to bottom.
    std::vector<std::string> selectedIds() const;
    // The ID of the item at index.
    std::string idAt(int index) const { return itemText(index, 0); }
};

} // namespace tavrin::gui
