#pragma once

#include <string>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/items/bmitem.h"
#include "image/icon.h"

namespace tavrin::file {

// The launchers' records of the items a group lists, in the list's order. An ID that names no
// child of items is passed over; an item that cannot be viewed (an invalid ID, a link to
// nothing or in a loop) raises its exception.
std::vector<BM_ITEM> groupDisplayItems(const std::vector<std::string>& ids, drevak::Drevak& items,
                                       image::ICONSIZE size, bool withIcon);

} // namespace tavrin::file
