#pragma once

#include <string_view>

namespace tavrin::utility {

// Whether the text begins with the scheme of an address ("http:", "mailto:", "ms-settings:"):
// a letter, then letters, digits, "+", "-" or ".", then ":". A single letter before the colon
// is a drive, not a scheme.
bool hasAddressScheme(std::string_view text) noexcept;

} // namespace tavrin::utility
