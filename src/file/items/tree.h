#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrin::file::items {

// What an item can be found by: its ID, its display name and its tags (UTF-8).
struct ItemKeys {
    std::string id;
    std::string name;
    std::vector<std::string> tags;

    bool operator==(const ItemKeys&) const = default;
};

// Prefix search over a set of items: a tree of UTF-16 characters in which every node
// lists the items whose key passes through it. Characters compare exactly as stored.
class Tree {
public:
    enum class KEY : int {
        ID = 0,
        // Items whose display name is empty or equal to their ID are not entered.
        NAME = 1,
        // Every tag of an item is a key of it.
        TAG = 2,
    };
    // An item's position in the set the tree was built from.
    using Position = std::uint32_t;

    // Raises std::length_error for a set too large to number with Position.
    Tree(std::span<const ItemKeys> items, KEY mode);

    KEY mode() const noexcept { return mode_; }

    // The positions of the items with a key that begins with the text, each once, in the
    // order of the set; every entered item for the empty text. Valid while the tree lives.
    std::span<const Position> lookup(std::string_view text) const;

private:
    using NodeIndex = std::uint32_t;
    struct Node {
        // Sorted by character, for a binary search.
        std::vector<std::pair<char16_t, NodeIndex>> children;
        std::vector<Position> positions;
    };

    void enter(std::string_view key, Position position);
    NodeIndex childOf(NodeIndex parent, char16_t character);
    const Node* find(std::string_view text) const;

    KEY mode_;
    std::vector<Node> nodes_;
    // Reused for every key while building, so a key costs no allocation of its own.
    std::u16string characters_;
};

} // namespace tavrin::file::items
