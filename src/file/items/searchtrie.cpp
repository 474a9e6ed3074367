#include "file/items/searchtrie.h"

#include <algorithm>

namespace tavrin::file::items {

void SearchTrie::reserve(std::size_t characters) {
    characters_.reserve(characters);
}

void SearchTrie::add(std::u32string_view key, Position position) {
    if (key.empty()) {
        return;
    }
    keys_.push_back({FoldedHead(key), static_cast<std::uint32_t>(characters_.size()),
                     static_cast<std::uint32_t>(key.size()), position});
    characters_ += key;
}

// Entering the keys in sorted order makes every new node the last child of its parent and
// keeps the path being extended in cache.
void SearchTrie::build() {
    std::sort(keys_.begin(), keys_.end(), [&](const Key& left, const Key& right) {
        return compareFolded(left.head, text(left), right.head, text(right)) < 0;
    });
    nodes_.reserve(characters_.size() + 1);
    children_.reserve(characters_.size() + 1);
    entries_.reserve(keys_.size());
    std::vector<NodeIndex> path{0};
    std::u32string_view previous;
    for (const Key& key : keys_) {
        const std::u32string_view current = text(key);
        const auto shared = static_cast<std::size_t>(
            std::mismatch(previous.begin(), previous.end(), current.begin(), current.end()).first -
            previous.begin());
        path.resize(shared + 1);
        for (std::size_t depth = shared; depth < current.size(); ++depth) {
            const auto node = static_cast<NodeIndex>(nodes_.size());
            children_[path.back()].push_back({current[depth], node});
            nodes_.push_back(Node{path.back(), {}, {}});
            children_.emplace_back();
            path.push_back(node);
        }
        for (std::size_t depth = 1; depth < path.size(); ++depth) {
            ++nodes_[path[depth]].all.capacity;
        }
        ++nodes_[path.back()].exact.capacity;
        entries_.push_back({key.position, path.back()});
        previous = current;
    }
    characters_ = {};
    keys_ = {};
}

void SearchTrie::allocate(std::vector<Node>& nodes, Run Node::*run, std::vector<Position>& list) {
    std::uint32_t total = 0;
    for (Node& node : nodes) {
        (node.*run).begin = total;
        total += (node.*run).capacity;
    }
    list.assign(total, 0);
}

void SearchTrie::append(Run& run, std::vector<Position>& list, Position position) {
    // An item with two keys through one node comes twice in a row: it is listed once.
    if (run.size > 0 && list[run.begin + run.size - 1] == position) {
        return;
    }
    list[run.begin + run.size++] = position;
}

void SearchTrie::finish(std::span<const Position> order) {
    build();
    allocate(nodes_, &Node::all, all_);
    allocate(nodes_, &Node::exact, exact_);
    // The key ends of each position, gathered by position.
    std::vector<std::uint32_t> first(order.size() + 1, 0);
    for (const Entry& entry : entries_) {
        ++first[entry.position + 1];
    }
    for (std::size_t at = 1; at < first.size(); ++at) {
        first[at] += first[at - 1];
    }
    std::vector<NodeIndex> ends(entries_.size());
    std::vector<std::uint32_t> next(first.begin(), first.end() - 1);
    for (const Entry& entry : entries_) {
        ends[next[entry.position]++] = entry.end;
    }
    for (const Position position : order) {
        for (std::uint32_t at = first[position]; at < first[position + 1]; ++at) {
            append(nodes_[ends[at]].exact, exact_, position);
            for (NodeIndex node = ends[at]; node != 0; node = nodes_[node].parent) {
                append(nodes_[node].all, all_, position);
            }
        }
    }
    entries_ = {};
    nodes_.shrink_to_fit();
    children_.shrink_to_fit();
}

SearchTrie::NodeIndex SearchTrie::child(NodeIndex parent, char32_t character) const {
    const Children& children = children_[parent];
    const auto at = std::lower_bound(children.begin(), children.end(), character,
                                     [](const auto& child, char32_t c) { return child.first < c; });
    return at != children.end() && at->first == character ? at->second : NONE;
}

SearchTrie::NodeIndex SearchTrie::walk(std::u32string_view text) const {
    NodeIndex node = 0;
    for (const char32_t character : text) {
        node = child(node, character);
        if (node == NONE) {
            return NONE;
        }
    }
    return node;
}

SearchTrie::Match SearchTrie::find(std::u32string_view text) const {
    const NodeIndex node = text.empty() ? NONE : walk(text);
    if (node == NONE) {
        return {};
    }
    const Node& found = nodes_[node];
    return {{exact_.data() + found.exact.begin, found.exact.size},
            {all_.data() + found.all.begin, found.all.size}};
}

void SearchTrie::move(Run& run, std::vector<Position>& list, Position position,
                      const SearchRanking& ranking) {
    const auto begin = list.begin() + run.begin;
    auto end = begin + run.size;
    const auto at = std::find(begin, end, position);
    if (at == end) {
        return;
    }
    std::move(at + 1, end, at);
    --end;
    const auto place = std::lower_bound(begin, end, position, [&](Position left, Position right) {
        return ranking.before(left, right);
    });
    std::move_backward(place, end, end + 1);
    *place = position;
}

void SearchTrie::reorder(std::u32string_view key, Position position, const SearchRanking& ranking) {
    const NodeIndex end = key.empty() ? NONE : walk(key);
    if (end == NONE) {
        return;
    }
    move(nodes_[end].exact, exact_, position, ranking);
    for (NodeIndex node = end; node != 0; node = nodes_[node].parent) {
        move(nodes_[node].all, all_, position, ranking);
    }
}

} // namespace tavrin::file::items
