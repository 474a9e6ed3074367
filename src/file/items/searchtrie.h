#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "file/items/foldedorder.h"
#include "file/items/tree.h"

namespace tavrin::file::items {

// How the command search orders items that match alike: by use, higher first, then by
// caption rank, lower first.
struct SearchRanking {
    std::vector<double> use;
    std::vector<std::uint32_t> captionRank;

    bool before(Tree::Position left, Tree::Position right) const noexcept {
        if (use[left] != use[right]) {
            return use[left] > use[right];
        }
        return captionRank[left] < captionRank[right];
    }
};

// A prefix tree of folded keys in which every node lists the items whose key passes through
// it, and apart those whose key ends there, both in ranking order: the best matches of a
// prefix are the heads of two lists, whatever the number of matches.
class SearchTrie {
public:
    using Position = Tree::Position;

    struct Match {
        std::span<const Position> exact; // the key is the text
        std::span<const Position> all;   // the key begins with the text, exact ones included
    };

    // Building: room for keys of so many characters in all, the keys in any order, then
    // finish once.
    void reserve(std::size_t characters);
    void add(std::u32string_view key, Position position);
    // Fills the lists; order holds every position once, best first.
    void finish(std::span<const Position> order);

    // Nothing for the empty text or one that no key begins with.
    Match find(std::u32string_view text) const;

    // Moves the item to its place by the ranking in the lists of the key's nodes, after its
    // use changed; a key the item was not entered with changes nothing.
    void reorder(std::u32string_view key, Position position, const SearchRanking& ranking);

private:
    using NodeIndex = std::uint32_t;
    // A run of positions in one of the flat lists, with room for its capacity.
    struct Run {
        std::uint32_t begin = 0;
        std::uint32_t size = 0;
        std::uint32_t capacity = 0;
    };
    // The children apart from the rest, so that filling and walking up stay in cache.
    using Children = std::vector<std::pair<char32_t, NodeIndex>>; // sorted by character
    struct Node {
        NodeIndex parent = 0;
        Run all;
        Run exact;
    };
    // A key waiting for the build, its characters in characters_.
    struct Key {
        FoldedHead head;
        std::uint32_t begin;
        std::uint32_t size;
        Position position;
    };
    struct Entry {
        Position position;
        NodeIndex end;
    };

    std::u32string_view text(const Key& key) const {
        return std::u32string_view(characters_).substr(key.begin, key.size);
    }
    void build();
    NodeIndex child(NodeIndex parent, char32_t character) const;
    NodeIndex walk(std::u32string_view text) const;
    static void allocate(std::vector<Node>& nodes, Run Node::*run, std::vector<Position>& list);
    static void append(Run& run, std::vector<Position>& list, Position position);
    static void move(Run& run, std::vector<Position>& list, Position position,
                     const SearchRanking& ranking);

    static constexpr NodeIndex NONE = 0; // the root is no child of any node

    std::vector<Node> nodes_{1};
    std::vector<Children> children_{1};
    std::u32string characters_;
    std::vector<Key> keys_;
    std::vector<Entry> entries_;
    std::vector<Position> all_;
    std::vector<Position> exact_;
};

} // namespace tavrin::file::items
