#include "file/items/groupitems.h"

#include "etc/drevak/convert.h"

namespace tavrin::file {

std::vector<BM_ITEM> groupDisplayItems(const std::vector<std::string>& ids, drevak::Drevak& items,
                                       image::ICONSIZE size, bool withIcon) {
    std::vector<BM_ITEM> shown;
    for (const std::string& id : ids) {
        // A text that is no address cannot name an item, any more than a missing one does.
        if (!drevak::Convert::isAddress(id) || !items.HaveChild(id)) {
            continue;
        }
        shown.emplace_back(Item(id, items), size, withIcon);
    }
    return shown;
}

} // namespace tavrin::file
