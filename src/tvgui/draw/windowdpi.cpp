#include "tvgui/draw/windowdpi.h"

#include "tvgui/layout/dpiscale.h"

namespace tavrin::tvgui {

int windowDpi(HWND window) noexcept {
    const UINT dpi = window != nullptr ? GetDpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : BASE_DPI;
}

int scaleForDpi(int pixels, int dpi) noexcept {
    return MulDiv(pixels, dpi, BASE_DPI);
}

} // namespace tavrin::tvgui
