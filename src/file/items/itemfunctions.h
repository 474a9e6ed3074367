#pragma once

#include <string>

#include "file/items/item.h"
#include "image/icon.h"

// What the launchers and dialogs derive from an item's settings. Links are followed to the
// item they end in (see followLinks), so their loops raise ItemException naming the item and
// a link to nothing raises as LinkItem does; what the file system fails to answer never
// raises here.
namespace tavrin::file {

// The folder an item starts in, with a trailing backslash unless empty. The stored work
// folder when there is one; else, for a path item, the folder of its address. Nothing is
// expanded or checked on disk.
std::string workFolderOf(const Item& item);

// The folder an item lives in, for opening it; empty when there is none. Asks the file
// system: a path that does not exist, or that the system cannot reach, falls back as the
// rules below say.
std::string itemFolder(const Item& item);

// Whether the item has something to start: a path item when its path, environment variables
// expanded, exists and can be reached; an address always; a multi-item when it lists any item.
bool isUsable(const Item& item);

// What an item's picture is made from, as plain values taken from the item (links followed),
// so that the picture can be looked up away from the item: on another thread, or once for
// all the items that share it.
struct IconSource {
    Item::TYPE type;
    std::string iconAddress;
    std::string fileAddress;
    Item::Integer iconIndex;

    // A text that two sources share whenever they give the same picture, found without asking
    // the shell.
    std::string key() const;
};

// ItemException as followLinks for a link that leads nowhere.
IconSource iconSource(const Item& item);

// The picture of a source: that of its icon file when that exists, else, for a path item,
// that of its file when that exists; otherwise, or when the shell gives no icon for the file,
// the icon of its kind. Environment variables are expanded. Safe on any thread.
image::Icon sourceIcon(image::ICONSIZE size, const IconSource& source);

// The icon shown for the item: the picture of its source.
image::Icon itemIcon(image::ICONSIZE size, const Item& item);

// The key of the item's source, so that a list of items looks each picture up once.
std::string itemIconKey(const Item& item);

// The icon of an item of the kind without a file to show: the launcher's own for an address
// or a multi-item, the stock warning icon for a path item or a link that leads nowhere.
image::Icon kindIcon(image::ICONSIZE size, Item::TYPE type);

} // namespace tavrin::file
