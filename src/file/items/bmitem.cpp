#include "file/items/bmitem.h"

#include "file/items/itemfunctions.h"
#include "file/items/itemreferences.h"

namespace tavrin::file {

BM_ITEM::BM_ITEM(const Item& shown, image::ICONSIZE size, bool withIcon)
    : item(followLinks(shown)), usable(isUsable(*item)) {
    const std::string name = item->name();
    const bool named = !name.empty() && (usable || item->type() != Item::TYPE::NORMAL);
    caption = named ? name : item->id();
    if (withIcon) {
        icon = itemIcon(size, *item);
    }
}

} // namespace tavrin::file
