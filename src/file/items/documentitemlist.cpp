#include "file/items/documentitemlist.h"

#include <string>

#include "etc/drevak/drevakexception.h"
#include "file/items/item.h"
#include "system/log.h"
#include "system/tavrinerrors.h"

namespace tavrin::file::items {
namespace {

void leaveOut(const std::string& id, const std::exception& reason) {
    system::WriteLog("item left out of the list: %s\r\n%s", id, reason);
}

} // namespace

ItemList documentItemList(drevak::Drevak& items) {
    ItemList list;
    for (const std::string& id : items.ChildNames()) {
        try {
            const Item item(id, items);
            list.add({item.id(), item.name(), item.tags()});
        } catch (const system::TavrinException& reason) {
            leaveOut(id, reason);
        } catch (const drevak::DrevakException& reason) {
            leaveOut(id, reason);
        }
    }
    return list;
}

} // namespace tavrin::file::items
