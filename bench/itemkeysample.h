#pragma once

#include <cstddef>
#include <span>

#include "file/items/tree.h"

namespace bench {

constexpr std::size_t ITEM_COUNT = 100000;

// ITEM_COUNT items with Japanese and ASCII IDs, names and tags, the same on every run, so
// that every figure is measured on the same set; built once, on first use. Any leading part
// is a smaller set of the same shape.
std::span<const tavrin::file::items::ItemKeys> sampleItemKeys();

} // namespace bench
