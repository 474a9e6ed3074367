#include "file/items/groupitems.h"

#include "etc/drevak/drevakexception.h"
#include "system/log.h"
#include "system/tavrinerrors.h"
#include "utility/convert.h"

namespace tavrin::file {
namespace {

BM_ITEM unusableRecord(const Item& item, image::ICONSIZE size, bool withIcon,
                       const std::exception& reason) {
    system::WriteLog("item shown as not usable: %s\r\n%s", item.id(), reason);
    return BM_ITEM::unusable(item, size, withIcon);
}

} // namespace

std::vector<BM_ITEM> groupDisplayItems(const std::vector<std::string>& ids, drevak::Drevak& items,
                                       image::ICONSIZE size, bool withIcon) {
    std::vector<BM_ITEM> shown;
    for (const std::string& id : ids) {
        if (!utility::isItemId(id) || !items.HaveChild(id)) {
            continue;
        }
        const Item item(id, items);
        try {
            shown.emplace_back(item, size, withIcon);
        } catch (const system::TavrinException& reason) {
            shown.push_back(unusableRecord(item, size, withIcon, reason));
        } catch (const drevak::DrevakException& reason) {
            shown.push_back(unusableRecord(item, size, withIcon, reason));
        }
    }
    return shown;
}

} // namespace tavrin::file
