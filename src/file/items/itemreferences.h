#pragma once

#include <cstddef>
#include <memory>

#include "file/items/item.h"

// Links and multi-items name other items by ID, so the items form a graph that the user can
// close into a loop: a link to itself, links in a ring, a multi-item listing itself through
// others. Everything that follows these references goes through here, where loops are cut.
namespace tavrin::file {

// How many references deep a chain may go before it is refused as a runaway.
inline constexpr std::size_t MAX_REFERENCE_DEPTH = 64;

// The view a chain of links ends in: a copy of the item unless it is a link, otherwise a
// LinkItem over each link in turn, so that the nearest link's own settings win. Raises
// ItemException (ITEM_LINK) naming the item when the chain comes back to an item it passed or
// runs deeper than MAX_REFERENCE_DEPTH, and the exceptions of LinkItem for a missing target.
std::unique_ptr<Item> followLinks(const Item& item);

// Makes sure that starting the item cannot come back to an item already being started,
// through links or through the members of multi-items at any depth, before anything is
// started. Raises ItemException naming the item and the trail to the loop, or to a chain
// deeper than MAX_REFERENCE_DEPTH: ITEM_MULTI once a multi-item was passed on the way there,
// ITEM_LINK when links alone lead there. IDs that name no item are passed over: starting them
// reports them.
void checkItemLoops(const Item& item);

} // namespace tavrin::file
