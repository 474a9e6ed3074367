#include "file/items/itemlist.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include "system/tavrinerrors.h"

namespace tavrin::file::items {

void ItemList::add(ItemKeys item) {
    if (const auto found = positions_.find(item.id); found != positions_.end()) {
        items_[found->second] = std::move(item);
        return;
    }
    if (items_.size() >= std::numeric_limits<Tree::Position>::max()) {
        throw std::length_error("too many items for the item list");
    }
    positions_.emplace(item.id, static_cast<Tree::Position>(items_.size()));
    items_.push_back(std::move(item));
}

bool ItemList::has(std::string_view id) const {
    return positions_.find(id) != positions_.end();
}

const ItemKeys& ItemList::item(std::string_view id) const {
    const auto found = positions_.find(id);
    if (found == positions_.end()) {
        throw system::ItemSetException(std::string(id));
    }
    return items_[found->second];
}

void ItemList::clear() noexcept {
    items_.clear();
    positions_.clear();
}

} // namespace tavrin::file::items
