#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "file/items/item.h"
#include "image/icon.h"

namespace tavrin::file {

// Items with their icons in the order the settings dialog lists them, found by ID.
class ItemIconPairs {
public:
    struct Pair {
        std::unique_ptr<Item> item;
        image::Icon icon;
    };

    // Icons are made in this size, by the item icon rule.
    explicit ItemIconPairs(image::ICONSIZE size) : size_(size) {}

    std::size_t size() const noexcept { return pairs_.size(); }
    const Pair& operator[](std::size_t index) const { return pairs_.at(index); }

    bool has(std::string_view id) const { return positions_.contains(id); }
    // Raises TavrinException "あ～あ" when no item has the ID.
    std::size_t position(std::string_view id) const;

    // Raises ItemSetException with the ID when an item with that ID is already there.
    void append(const Item& item);
    // Puts item in the place of the item with the ID, under its own ID. Raises as position
    // does, and as append does when the new ID is another item's.
    void replace(std::string_view id, const Item& item);
    // Later items move up. Raises as position does.
    void remove(std::string_view id);

private:
    Pair pairOf(const Item& item) const;
    void refuseTaken(const std::string& id) const;

    image::ICONSIZE size_;
    std::vector<Pair> pairs_;
    std::map<std::string, std::size_t, std::less<>> positions_;
};

} // namespace tavrin::file
