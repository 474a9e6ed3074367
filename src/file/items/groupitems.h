#pragma once

#include <string>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/items/bmitem.h"
#include "image/icon.h"

namespace tavrin::file {

// The launchers' records of the items a group lists, in the list's order. An ID that names no
// item (none of that name, or a text that cannot be an ID) is passed over. An item that
// cannot be shown (a link to nothing or in a loop) is listed as not usable and the reason is
// logged, so that one broken item never hides the others.
std::vector<BM_ITEM> groupDisplayItems(const std::vector<std::string>& ids, drevak::Drevak& items,
                                       image::ICONSIZE size, bool withIcon);

} // namespace tavrin::file
