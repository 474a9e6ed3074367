#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/items/itemlist.h"

namespace tavrin::file::items {

// What the command box finds as the user types: the items whose ID, display name or a tag
// begins with the typed text, compared without regard to letter case, full-width and
// half-width forms, or katakana and hiragana. Built once over an items document; a start
// counted with noteUse ranks the item by it at once.
//
// Order: an exact key first; then use, the use count weighted by how recent the last use
// is, count x 2^(-age / 14 days) (an item started twice outranks one started once up to two
// weeks more recently; a started item without a readable last use counts as started long
// ago, and one never started ranks below every started one); then ID before NAME before TAG; then
// the caption (the name, or the ID without one) folded, then as stored. A keystroke reads only the
// heads of lists kept in this order, never all matches; find reuses buffers of the search, so one
// search serves one thread.
class CommandSearch {
public:
    // The key an item was found by, in the order they rank when all else is equal.
    enum class MATCH : std::uint8_t { ID, NAME, TAG };

    struct Candidate {
        Tree::Position position; // in items()
        MATCH match;
        std::string key; // the key as stored, not folded: what Tab completes to
        bool exact;      // the whole key was typed
    };

    // What is known of an item's starts: the use count, and the last use in the item
    // date-time text form (empty when never started).
    struct Use {
        std::int64_t count = 0;
        std::string lastUse;
    };

    // Reads every item of the "Item" node (as documentItemList does) with its use count and
    // last use.
    explicit CommandSearch(drevak::Drevak& items);
    // Over items already read, with the use of each at its position (fewer uses than items:
    // the rest were never started).
    CommandSearch(ItemList items, std::span<const Use> uses);
    ~CommandSearch();
    CommandSearch(const CommandSearch&) = delete;
    CommandSearch& operator=(const CommandSearch&) = delete;

    const ItemList& items() const noexcept;

    // The best candidates for the typed text, best first, each item once by its best key,
    // at most limit; none for empty text.
    std::vector<Candidate> find(std::string_view typed, std::size_t limit = 50) const;

    // The item with the ID was started: its use count and last use as they now stand (the
    // last use in the item date-time text form, as the item stores it).
    void noteUse(std::string_view id, std::int64_t useCount, std::string_view lastUse);

private:
    struct Index;
    // An items document's items and their uses, read before the search is built over them.
    struct Read {
        ItemList items;
        std::vector<Use> uses;
    };

    static Read read(drevak::Drevak& items);
    explicit CommandSearch(Read read);
    static std::unique_ptr<Index> makeIndex(ItemList items, std::span<const Use> uses);

    std::unique_ptr<Index> index_;
};

// The text folded as the search folds keys and typed text: letters in lower case, full-width
// ASCII as ASCII and the ideographic space as a space, half-width katakana as full-width
// (voiced and semi-voiced marks composed), katakana as hiragana; invalid UTF-8 as U+FFFD.
std::string foldForSearch(std::string_view text);

} // namespace tavrin::file::items
