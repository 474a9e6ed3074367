#pragma once

#include "system/win32.h"

namespace tavrin::tvgui {

// The DPI of a window, that of the monitor it shows on; BASE_DPI when there is no window.
int windowDpi(HWND window) noexcept;

// A length in 96-DPI pixels in pixels of a window at the DPI, as MulDiv rounds.
int scaleForDpi(int pixels, int dpi) noexcept;

} // namespace tavrin::tvgui
