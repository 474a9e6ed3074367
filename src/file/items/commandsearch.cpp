#include "file/items/commandsearch.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <numeric>

#include "file/items/foldedorder.h"
#include "file/items/itemdatetime.h"
#include "file/items/searchfold.h"
#include "file/items/searchtrie.h"
#include "system/tavrinerrors.h"

namespace tavrin::file::items {
namespace {

using Position = Tree::Position;
using MATCH = CommandSearch::MATCH;

constexpr double HALF_LIFE_SECONDS = 14.0 * 24 * 60 * 60;
constexpr double NEVER_USED = -std::numeric_limits<double>::infinity();

double secondsOf(const ItemDateTime& time) {
    using namespace std::chrono;
    const sys_days date{year{time.year()} / month{time.month()} / day{time.day()}};
    return static_cast<double>(date.time_since_epoch().count()) * 86400.0 + time.hour() * 3600.0 +
           time.minute() * 60.0 + time.second();
}

// log2 of count x 2^(-age / half life), plus a constant that is the same for every item:
// the order it gives never changes as time passes, so it is computed once per start.
double useScore(std::int64_t count, std::string_view lastUse) {
    if (count <= 0) {
        return NEVER_USED;
    }
    double seconds = 0.0;
    try {
        seconds = secondsOf(ItemDateTime(lastUse));
    } catch (const system::TavrinException&) {
        // No readable last use: as old as can be.
    }
    return std::log2(static_cast<double>(count)) + seconds / HALF_LIFE_SECONDS;
}

const std::string& captionOf(const ItemKeys& item) {
    return item.name.empty() ? item.id : item.name;
}

// Calls visit(match, key) for every key the item is found by, as the item trees enter them.
template <typename Visit> void forEachKey(const ItemKeys& item, Visit visit) {
    visit(MATCH::ID, item.id);
    if (!item.name.empty() && item.name != item.id) {
        visit(MATCH::NAME, item.name);
    }
    for (const std::string& tag : item.tags) {
        visit(MATCH::TAG, tag);
    }
}

} // namespace

struct CommandSearch::Index {
    // One list of matches of a keystroke, read from its head.
    struct Stream {
        std::span<const Position> positions;
        MATCH match;
        bool exact;
    };

    ItemList list;
    SearchRanking ranking;
    std::array<SearchTrie, 3> tries;
    // Buffers reused on every keystroke.
    mutable std::u32string typed;
    mutable std::u32string folded;
    // An item is taken on this keystroke when its stamp is the current one.
    mutable std::vector<std::uint32_t> taken;
    mutable std::uint32_t stamp = 0;

    SearchTrie& trie(MATCH match) { return tries[static_cast<std::size_t>(match)]; }

    const std::u32string& fold(std::string_view text) const {
        folded.clear();
        appendFolded(folded, text);
        return folded;
    }

    bool better(const Stream& left, const Stream& right) const {
        if (left.exact != right.exact) {
            return left.exact;
        }
        const Position l = left.positions.front();
        const Position r = right.positions.front();
        if (ranking.use[l] != ranking.use[r]) {
            return ranking.use[l] > ranking.use[r];
        }
        if (left.match != right.match) {
            return left.match < right.match;
        }
        return ranking.captionRank[l] < ranking.captionRank[r];
    }

    // The stored key the item was found by: for a tag, the first that matches so.
    std::string keyOf(const ItemKeys& item, MATCH match, bool exact) const {
        if (match == MATCH::ID) {
            return item.id;
        }
        if (match == MATCH::NAME) {
            return item.name;
        }
        for (const std::string& tag : item.tags) {
            const std::u32string& key = fold(tag);
            if (exact ? key == typed : key.starts_with(typed)) {
                return tag;
            }
        }
        return {};
    }

    // Ranks the items by their folded captions, given one after the other in captions at
    // the offsets (one more than items, the last the end).
    void rankCaptions(std::u32string_view captions, std::span<const std::uint32_t> offsets) {
        const auto count = static_cast<Position>(list.size());
        const auto caption = [&](Position position) {
            return captions.substr(offsets[position], offsets[position + 1] - offsets[position]);
        };
        struct Sorted {
            FoldedHead head;
            Position position;
        };
        std::vector<Sorted> order;
        order.reserve(count);
        for (Position position = 0; position < count; ++position) {
            order.push_back({FoldedHead(caption(position)), position});
        }
        std::sort(order.begin(), order.end(), [&](const Sorted& left, const Sorted& right) {
            if (const int folded = compareFolded(left.head, caption(left.position), right.head,
                                                 caption(right.position));
                folded != 0) {
                return folded < 0;
            }
            const std::string& l = captionOf(list.at(left.position));
            const std::string& r = captionOf(list.at(right.position));
            return l != r ? l < r : left.position < right.position;
        });
        ranking.captionRank.resize(count);
        for (Position rank = 0; rank < count; ++rank) {
            ranking.captionRank[order[rank].position] = rank;
        }
    }
};

std::unique_ptr<CommandSearch::Index> CommandSearch::makeIndex(ItemList items,
                                                               std::span<const Use> uses) {
    auto index = std::make_unique<Index>();
    index->list = std::move(items);
    const ItemList& list = index->list;
    const auto count = static_cast<Position>(list.size());
    index->ranking.use.assign(count, NEVER_USED);
    for (Position position = 0; position < std::min<std::size_t>(count, uses.size()); ++position) {
        index->ranking.use[position] = useScore(uses[position].count, uses[position].lastUse);
    }
    // Each key is folded once: for its tree and, for the one that is the caption, for the
    // caption order.
    std::array<std::size_t, 3> bytes{};
    for (const ItemKeys& item : list.items()) {
        forEachKey(item, [&](MATCH match, std::string_view key) {
            bytes[static_cast<std::size_t>(match)] += key.size();
        });
    }
    for (const MATCH match : {MATCH::ID, MATCH::NAME, MATCH::TAG}) {
        // A UTF-8 key has no more characters than bytes.
        index->trie(match).reserve(bytes[static_cast<std::size_t>(match)]);
    }
    std::u32string captions;
    std::vector<std::uint32_t> offsets{0};
    offsets.reserve(count + std::size_t{1});
    for (Position position = 0; position < count; ++position) {
        const ItemKeys& item = list.at(position);
        const bool idIsCaption = item.name.empty() || item.name == item.id;
        forEachKey(item, [&](MATCH match, std::string_view key) {
            const std::u32string& folded = index->fold(key);
            index->trie(match).add(folded, position);
            if (match == MATCH::NAME || (match == MATCH::ID && idIsCaption)) {
                captions += folded;
                offsets.push_back(static_cast<std::uint32_t>(captions.size()));
            }
        });
    }
    index->rankCaptions(captions, offsets);
    std::vector<Position> order(count);
    std::iota(order.begin(), order.end(), Position{0});
    std::sort(order.begin(), order.end(),
              [&](Position left, Position right) { return index->ranking.before(left, right); });
    for (SearchTrie& trie : index->tries) {
        trie.finish(order);
    }
    index->taken.assign(count, 0);
    return index;
}

CommandSearch::CommandSearch(ItemList items, std::span<const Use> uses)
    : index_(makeIndex(std::move(items), uses)) {}

CommandSearch::CommandSearch(Read read) : index_(makeIndex(std::move(read.items), read.uses)) {}

CommandSearch::~CommandSearch() = default;

const ItemList& CommandSearch::items() const noexcept {
    return index_->list;
}

std::vector<CommandSearch::Candidate> CommandSearch::find(std::string_view typed,
                                                          std::size_t limit) const {
    Index& index = *index_;
    index.typed.clear();
    appendFolded(index.typed, typed);
    std::vector<Candidate> found;
    if (index.typed.empty() || limit == 0) {
        return found;
    }
    std::array<Index::Stream, 6> streams;
    for (const MATCH match : {MATCH::ID, MATCH::NAME, MATCH::TAG}) {
        const SearchTrie::Match lists = index.trie(match).find(index.typed);
        const std::size_t at = 2 * static_cast<std::size_t>(match);
        streams[at] = {lists.exact, match, true};
        streams[at + 1] = {lists.all, match, false};
    }
    if (++index.stamp == 0) {
        std::fill(index.taken.begin(), index.taken.end(), 0);
        index.stamp = 1;
    }
    while (found.size() < limit) {
        Index::Stream* best = nullptr;
        for (Index::Stream& stream : streams) {
            while (!stream.positions.empty() &&
                   index.taken[stream.positions.front()] == index.stamp) {
                stream.positions = stream.positions.subspan(1);
            }
            if (!stream.positions.empty() && (best == nullptr || index.better(stream, *best))) {
                best = &stream;
            }
        }
        if (best == nullptr) {
            break;
        }
        const Position position = best->positions.front();
        index.taken[position] = index.stamp;
        found.push_back({position, best->match,
                         index.keyOf(index.list.at(position), best->match, best->exact),
                         best->exact});
    }
    return found;
}

void CommandSearch::noteUse(std::string_view id, std::int64_t useCount, std::string_view lastUse) {
    Index& index = *index_;
    const auto exact = index.trie(MATCH::ID).find(index.fold(id)).exact;
    const auto at = std::find_if(exact.begin(), exact.end(), [&](Position position) {
        return index.list.at(position).id == id;
    });
    if (at == exact.end()) {
        return;
    }
    const Position position = *at;
    index.ranking.use[position] = useScore(useCount, lastUse);
    forEachKey(index.list.at(position), [&](MATCH match, std::string_view key) {
        index.trie(match).reorder(index.fold(key), position, index.ranking);
    });
}

} // namespace tavrin::file::items
