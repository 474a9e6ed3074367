#include "file/items/tree.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "utility/utf16.h"

namespace tavrin::file::items {

namespace {

constexpr std::uint32_t root = 0;

bool byCharacter(const std::pair<char16_t, std::uint32_t>& child, char16_t character) {
    return child.first < character;
}

} // namespace

Tree::Tree(std::span<const ItemKeys> items, KEY mode) : mode_(mode), nodes_(1) {
    if (items.size() > std::numeric_limits<Position>::max()) {
        throw std::length_error("too many items for the prefix tree");
    }
    for (Position position = 0; position < items.size(); ++position) {
        const ItemKeys& item = items[position];
        switch (mode) {
        case KEY::ID:
            enter(item.id, position);
            break;
        case KEY::NAME:
            if (!item.name.empty() && item.name != item.id) {
                enter(item.name, position);
            }
            break;
        case KEY::TAG:
            for (const std::string& tag : item.tags) {
                enter(tag, position);
            }
            break;
        }
    }
    characters_ = std::u16string();
}

void Tree::enter(std::string_view key, Position position) {
    characters_.clear();
    utility::appendUtf16(characters_, key);
    NodeIndex node = root;
    for (std::size_t depth = 0;; ++depth) {
        // An item's keys are entered one after another, so a position already listed at a
        // node is the last one there: two tags with a common start list the item once.
        std::vector<Position>& positions = nodes_[node].positions;
        if (positions.empty() || positions.back() != position) {
            positions.push_back(position);
        }
        if (depth == characters_.size()) {
            return;
        }
        node = childOf(node, characters_[depth]);
    }
}

Tree::NodeIndex Tree::childOf(NodeIndex parent, char16_t character) {
    auto& children = nodes_[parent].children;
    const auto at = std::lower_bound(children.begin(), children.end(), character, byCharacter);
    if (at != children.end() && at->first == character) {
        return at->second;
    }
    if (nodes_.size() > std::numeric_limits<NodeIndex>::max()) {
        throw std::length_error("too many keys for the prefix tree");
    }
    const auto child = static_cast<NodeIndex>(nodes_.size());
    children.insert(at, {character, child});
    // Only now may the node table move: the reference to the children is no longer used.
    nodes_.emplace_back();
    return child;
}

const Tree::Node* Tree::find(std::string_view text) const {
    const Node* node = &nodes_[root];
    for (char16_t character : utility::utf16FromUtf8(text)) {
        const auto& children = node->children;
        const auto at = std::lower_bound(children.begin(), children.end(), character, byCharacter);
        if (at == children.end() || at->first != character) {
            return nullptr;
        }
        node = &nodes_[at->second];
    }
    return node;
}

std::span<const Tree::Position> Tree::lookup(std::string_view text) const {
    const Node* node = find(text);
    if (node == nullptr) {
        return {};
    }
    return node->positions;
}

} // namespace tavrin::file::items
