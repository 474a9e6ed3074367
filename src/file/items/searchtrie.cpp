#include "file/items/searchtrie.h"

#include <algorithm>

namespace tavrin::file::items {

void SearchTrie::add(std::u32string_view key, Position position) {
    if (key.empty()) {
        return;
    }
    NodeIndex node = 0;
    for (const char32_t character : key) {
        auto& children = nodes_[node].children;
        auto at = std::lower_bound(children.begin(), children.end(), character,
                                   [](const auto& child, char32_t c) { return child.first < c; });
        NodeIndex next = 0;
        if (at != children.end() && at->first == character) {
            next = at->second;
        } else {
            next = static_cast<NodeIndex>(nodes_.size());
            children.insert(at, {character, next});
            nodes_.push_back(Node{{}, node, {}, {}});
        }
        node = next;
        ++nodes_[node].all.capacity;
    }
    ++nodes_[node].exact.capacity;
    entries_.push_back({position, node});
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
    allocate(nodes_, &Node::all, all_);
    allocate(nodes_, &Node::exact, exact_);
    // The entries of each position, which add gave in the order of positions.
    std::vector<std::uint32_t> first(order.size() + 1, 0);
    for (const Entry& entry : entries_) {
        ++first[entry.position + 1];
    }
    for (std::size_t at = 1; at < first.size(); ++at) {
        first[at] += first[at - 1];
    }
    for (const Position position : order) {
        for (std::uint32_t at = first[position]; at < first[position + 1]; ++at) {
            const NodeIndex end = entries_[at].end;
            append(nodes_[end].exact, exact_, position);
            for (NodeIndex node = end; node != 0; node = nodes_[node].parent) {
                append(nodes_[node].all, all_, position);
            }
        }
    }
    entries_ = {};
}

SearchTrie::NodeIndex SearchTrie::child(NodeIndex parent, char32_t character) const {
    const auto& children = nodes_[parent].children;
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
