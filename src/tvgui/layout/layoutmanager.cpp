#include "tvgui/layout/layoutmanager.h"

namespace tavrin::tvgui {

LayoutManager::LayoutManager(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom) {
    spacing = {left, top, right, bottom};
}

void LayoutManager::onSize(std::int32_t width, std::int32_t height, int dpi) {
    const Box inset = shrunk(shrunk(Box{}, margin, dpi), spacing, dpi);
    const Box area{inset.left, inset.top, width - inset.left + inset.right,
                   height - inset.top + inset.bottom};
    layout(toRect(area), dpi);
}

void LayoutManager::arrange(const Rect& rect) {
    if (rootLayout_) {
        rootLayout_->layout(rect, dpi());
    }
}

} // namespace tavrin::tvgui
