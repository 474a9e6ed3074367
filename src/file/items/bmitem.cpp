#include "file/items/bmitem.h"

#include "file/items/itemfunctions.h"
#include "file/items/itemreferences.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using TYPE = Item::TYPE;

// A path item's name is shown only while it can be started, so that a missing file shows
// which item it is; an address or a multi-item is known by its name either way.
std::string captionOf(const Item& item, bool usable) {
    const std::string name = item.name();
    const bool named =
        !name.empty() && (usable || item.type() == TYPE::URI || item.type() == TYPE::MULTI);
    return named ? name : item.id();
}

} // namespace

BM_ITEM::BM_ITEM(const Item& shown, image::ICONSIZE size, bool withIcon)
    : item(followLinks(shown)), usable(isUsable(*item)) {
    caption = captionOf(*item, usable);
    if (withIcon) {
        icon = itemIcon(size, *item);
    }
}

BM_ITEM BM_ITEM::unusable(const Item& item, image::ICONSIZE size, bool withIcon) {
    return BM_ITEM(item.clone(), size, withIcon);
}

BM_ITEM::BM_ITEM(std::unique_ptr<Item> stored, image::ICONSIZE size, bool withIcon)
    : item(std::move(stored)), caption(captionOf(*item, false)), usable(false) {
    if (!withIcon) {
        return;
    }
    try {
        icon = kindIcon(size, item->type());
    } catch (const system::TavrinException&) {
        // The launcher's own icon file may be unreadable: a record without a picture still
        // shows the item, as the launchers draw nothing for a missing icon.
    }
}

} // namespace tavrin::file
