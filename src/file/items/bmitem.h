#pragma once

#include <memory>
#include <string>

#include "file/items/item.h"
#include "image/icon.h"

namespace tavrin::file {

// An item as the button and menu launchers show it.
struct BM_ITEM {
    // Fills the record from the item, following a link to the item it ends in (the record
    // keeps the link's view, so its ID and history stay the link's). The caption is the
    // display name, or the ID when there is none or a path item's file is missing; the icon
    // is loaded only when withIcon is set. Raises ItemException for a loop of links.
    BM_ITEM(const Item& item, image::ICONSIZE size, bool withIcon);

    std::shared_ptr<Item> item;
    std::string caption;
    image::Icon icon;
    // Whether the item has something to start.
    bool usable = true;
};

} // namespace tavrin::file
