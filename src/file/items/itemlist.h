#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "file/items/tree.h"

namespace tavrin::file::items {

// The set of items a dialog works on, by ID, in the order they were added; prefix trees
// over it find items by ID, display name or tag.
class ItemList {
public:
    using Tree = items::Tree;

    // Adds the item after the others; an item whose ID is present replaces the one there,
    // keeping its place.
    void add(ItemKeys item);
    bool has(std::string_view id) const;
    // Raises system::ItemSetException with the ID when no item has it.
    const ItemKeys& item(std::string_view id) const;
    // The item at a position that a tree over this list gave.
    const ItemKeys& at(Tree::Position position) const { return items_.at(position); }
    std::span<const ItemKeys> items() const noexcept { return items_; }
    std::size_t size() const noexcept { return items_.size(); }
    void clear() noexcept;

    // A tree over the items as they are now; its positions are positions in this list.
    Tree tree(Tree::KEY mode) const { return Tree(items_, mode); }

private:
    // Lets a text view find a stored ID without making a string of it.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept {
            return std::hash<std::string_view>{}(text);
        }
    };

    std::vector<ItemKeys> items_;
    std::unordered_map<std::string, Tree::Position, TextHash, std::equal_to<>> positions_;
};

} // namespace tavrin::file::items
