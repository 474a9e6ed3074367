#pragma once

#include <cstddef>
#include <cstdint>

#include "etc/drevak/types.h"

namespace tavrin::utility {

// A colour as the Windows API takes it: red in the low byte, then green, blue and a top byte.
using ColorValue = std::uint32_t;

// The colour of a stored element: the bytes red, green, blue and, when present, a fourth byte
// that becomes the top byte; bytes after the fourth are ignored. An element too short to hold
// red, green and blue (the empty element among them) stands for the system colour given.
inline ColorValue storedColor(const drevak::Binary& element, ColorValue systemColor) noexcept {
    if (element.size() < 3) {
        return systemColor;
    }
    ColorValue color = 0;
    for (std::size_t at = 0; at < element.size() && at < 4; ++at) {
        color |= ColorValue{element[at]} << (8 * at);
    }
    return color;
}

// The element that stores a colour: red, green and blue; the top byte is not kept.
inline drevak::Binary colorBytes(ColorValue color) {
    return {static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(color >> 8),
            static_cast<std::uint8_t>(color >> 16)};
}

} // namespace tavrin::utility
