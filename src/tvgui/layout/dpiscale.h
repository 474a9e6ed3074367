#pragma once

#include <cstdint>

namespace tavrin::tvgui {

// The resolution at which the toolkit's pixel quantities are given: one such pixel is one
// pixel of a window at this DPI and one and a half of a window at 144.
inline constexpr int BASE_DPI = 96;

// A quantity of 96-DPI pixels in pixels of a window at the DPI, rounded half away from zero
// as MulDiv rounds. A DPI that is not positive (no window to ask) counts as BASE_DPI.
std::int64_t scaleToDpi(std::int64_t pixels, int dpi);

} // namespace tavrin::tvgui
