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
    // is loaded only when withIcon is set. Raises ItemException for a loop of links, and as
    // LinkItem does for a link to nothing.
    BM_ITEM(const Item& item, image::ICONSIZE size, bool withIcon);

    // The record of an item that cannot be shown as it is (a link to nothing or in a loop):
    // kept as stored, not usable, captioned as an unusable item of its kind is, with its
    // kind's icon when withIcon is set, or without a picture should even that fail to load.
    static BM_ITEM unusable(const Item& item, image::ICONSIZE size, bool withIcon);

    std::shared_ptr<Item> item;
    std::string caption;
    image::Icon icon;
    // Whether the item has something to start.
    bool usable = true;

private:
    BM_ITEM(std::unique_ptr<Item> stored, image::ICONSIZE size, bool withIcon);
};

} // namespace tavrin::file
