// The search over an items document: Windows only, as the item list of a document logs the
// children it leaves out.
#include "file/items/commandsearch.h"
#include "file/items/documentitemlist.h"
#include "file/items/item.h"
#include "system/tavrinerrors.h"

namespace tavrin::file::items {
namespace {

// An unreadable last use counts as none: the item still ranks by its count.
std::string lastUseText(const Item& item) {
    try {
        const std::optional<ItemDateTime> last = item.lastUsed();
        return last ? last->toString() : std::string();
    } catch (const system::TavrinException&) {
        return {};
    }
}

} // namespace

CommandSearch::Read CommandSearch::read(drevak::Drevak& items) {
    Read read{documentItemList(items), {}};
    read.uses.reserve(read.items.size());
    for (const ItemKeys& keys : read.items.items()) {
        const Item item(keys.id, items);
        read.uses.push_back({item.useCount(), lastUseText(item)});
    }
    return read;
}

CommandSearch::CommandSearch(drevak::Drevak& items) : CommandSearch(read(items)) {}

} // namespace tavrin::file::items
