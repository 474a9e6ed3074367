#include "gui/control/itemlistview.h"

#include "file/items/documentitemlist.h"

namespace tavrin::gui {
namespace {

// In 96-DPI pixels.
constexpr int ID_WIDTH = 90;
constexpr int NAME_WIDTH = 120;

} // namespace

ItemListView::ItemListView(tvgui::ITEM_ID id, tvgui::TvGui& owner)
    : ListView(id, owner, TYPE::REPORT) {
    noHideSelect(true);
    fullRowSelect(true);
    // Framed as the tree beside it is.
    clientEdge(true);
    int index = 0;
    for (const auto& [title, width] : {std::pair{"ID", ID_WIDTH}, std::pair{"名前", NAME_WIDTH}}) {
        tvgui::LISTCOLUMN column;
        column.mask = tvgui::LISTCOLUMN::MASK::TEXT | tvgui::LISTCOLUMN::MASK::WIDTH;
        column.text = title;
        column.width = scale(width);
        insertColumn(index++, column);
    }
}

void ItemListView::fill(drevak::Drevak& items) {
    clear();
    const file::items::ItemList list = file::items::documentItemList(items);
    for (const file::items::ItemKeys& item : list.items()) {
        tvgui::LISTITEM row;
        row.mask = tvgui::LISTITEM::MASK::TEXT;
        row.item = itemCount();
        row.text = item.id;
        const int index = insertItem(row);
        itemText(index, 1, item.name == item.id ? std::string() : item.name);
    }
}

std::vector<std::string> ItemListView::selectedIds() const {
    std::vector<std::string> ids;
    for (int index = nextItem(-1, NEXT::SELECTED); index >= 0;
         index = nextItem(index, NEXT::SELECTED)) {
        ids.push_back(idAt(index));
    }
    return ids;
}

} // namespace tavrin::gui
