#include "tvgui/layout/dpiscale.h"

namespace tavrin::tvgui {

std::int64_t scaleToDpi(std::int64_t pixels, int dpi) {
    if (dpi <= 0) {
        return pixels;
    }
    const std::int64_t product = pixels * dpi;
    const std::int64_t magnitude = ((product < 0 ? -product : product) + BASE_DPI / 2) / BASE_DPI;
    return product < 0 ? -magnitude : magnitude;
}

} // namespace tavrin::tvgui
