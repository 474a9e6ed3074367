#pragma once

#include <cstdint>

#include "tvgui/layout/direction.h"
#include "tvgui/layout/placeable.h"

namespace tavrin::tvgui {

// Insets on each side of a rectangle: a layout's margin or the spacing around its cells.
struct Insets {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const Insets&, const Insets&) = default;
};

// A rectangle while it is being computed. Sums of 32-bit edges, insets and cell sizes may
// leave the 32-bit range; they are kept in 64 bits and checked only when a cell is placed.
struct Box {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
};

Box toBox(const Rect& rect);
// The insets are 96-DPI pixels, taken at the DPI of the window being laid out.
Box shrunk(const Box& box, const Insets& insets, int dpi);

// Raises TavrinLayoutError when a value leaves the 32-bit range the windows work in.
std::int32_t toCoordinate(std::int64_t value);
Rect toRect(const Box& box);

// The edges and insets along one direction, so that the panels' arithmetic is written once
// for rows and columns.
struct Axis {
    std::int64_t Box::*nearEdge;
    std::int64_t Box::*farEdge;
    std::int32_t Insets::*nearInset;
    std::int32_t Insets::*farInset;
};

// Raises TavrinLayoutError for a value outside the enumeration.
const Axis& axisOf(DIRECTION direction);

} // namespace tavrin::tvgui
