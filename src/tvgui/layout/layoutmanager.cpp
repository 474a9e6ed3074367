#include "tvgui/layout/layoutmanager.h"

namespace tavrin::tvgui {

LayoutManager::LayoutManager(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom) {
    spacing = {left, top, right, bottom};
}

void LayoutManager::onSize(std::int32_t width, std::int32_t height) {
    const std::int64_t left = std::int64_t{margin.left} + spacing.left;
    const std::int64_t top = std::int64_t{margin.top} + spacing.top;
    const Box area{left, top, width - left - margin.right - spacing.right,
                   height - top - margin.bottom - spacing.bottom};
    layout(toRect(area));
}

void LayoutManager::arrange(const Rect& rect) {
    if (rootLayout_) {
        rootLayout_->layout(rect);
    }
}

} // namespace tavrin::tvgui
