#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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

    // Reads every item of the "Item" node (as documentItemList does) with its use count and
    // last use.
    explicit CommandSearch(drevak::Drevak& items);
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
    std::unique_ptr<Index> index_;
};

// The text folded as the search folds keys and typed text: letters in lower case, full-width
// ASCII as ASCII, half-width katakana as full-width, katakana as hiragana.
std::string foldForSearch(std::string_view text);

} // namespace tavrin::file::items
