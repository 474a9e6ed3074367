#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "file/items/item.h"
#include "file/items/overrideinfo.h"

namespace tavrin::file {

// What the user left in the execute dialog for one start of an item.
struct ExecChoice {
    std::string workFolder;
    std::string option;
    Item::Integer show = 0;
};

// The settings of the choice that differ from the item's stored ones, compared exactly; none
// when nothing differs, so that an untouched dialog starts the item as a plain click does.
// An item without a stored work folder whose box shows its file's folder therefore starts
// there by override.
std::optional<OverrideInfo> overrideOf(const Item& item, const ExecChoice& chosen);

// The history of a box after a start: the typed text, trimmed of blanks and tabs, first, then
// the older entries without it, without blanks and without repeats, cut to limit entries.
// None when nothing is to be stored: limit 0, an empty text, or the text the box started
// with (also trimmed).
std::optional<std::vector<std::string>> updatedHistory(const std::vector<std::string>& older,
                                                       std::string_view started,
                                                       std::string_view typed, std::size_t limit);

} // namespace tavrin::file
