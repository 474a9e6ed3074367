#include "file/items/itemiconpairs.h"

#include "file/items/itemfunctions.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {

std::size_t ItemIconPairs::position(std::string_view id) const {
    const auto found = positions_.find(id);
    if (found == positions_.end()) {
        throw system::TavrinException("あ～あ");
    }
    return found->second;
}

void ItemIconPairs::append(const Item& item) {
    const std::string id = item.id();
    refuseTaken(id);
    pairs_.push_back(pairOf(item));
    positions_.emplace(id, pairs_.size() - 1);
}

void ItemIconPairs::replace(std::string_view id, const Item& item) {
    const std::size_t at = position(id);
    const std::string newId = item.id();
    if (newId != id) {
        refuseTaken(newId);
    }
    // The icon is made before anything changes, so a failure leaves the pairs as they were.
    pairs_[at] = pairOf(item);
    positions_.erase(positions_.find(id));
    positions_.emplace(newId, at);
}

void ItemIconPairs::remove(std::string_view id) {
    const std::size_t at = position(id);
    pairs_.erase(pairs_.begin() + static_cast<std::ptrdiff_t>(at));
    positions_.clear();
    for (std::size_t index = 0; index < pairs_.size(); ++index) {
        positions_.emplace(pairs_[index].item->id(), index);
    }
}

ItemIconPairs::Pair ItemIconPairs::pairOf(const Item& item) const {
    return {item.clone(), itemIcon(size_, item)};
}

void ItemIconPairs::refuseTaken(const std::string& id) const {
    if (has(id)) {
        throw system::ItemSetException(id);
    }
}

} // namespace tavrin::file
