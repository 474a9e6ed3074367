#include "tvgui/layout/line.h"

namespace tavrin::tvgui {

Line::Line(DIRECTION direction, std::size_t n) : DirectedPanel(direction, n), sizes_(n) {}

// Room for the rules is made first, so that a failed allocation leaves both arrays as
// they were and their lengths equal.
void Line::setCount(std::size_t n) {
    sizes_.reserve(n);
    DirectedPanel::setCount(n);
    sizes_.resize(n);
}

Line& Line::operator+=(const CONTENT& content) {
    sizes_.reserve(sizes_.size() + 1);
    DirectedPanel::operator+=(content);
    sizes_.push_back(SIZEINFO::ofAbsolute(APPENDED_SIZE));
    return *this;
}

SIZEINFO& Line::sizeAt(std::size_t i) {
    checkIndex(i, "sizeAt");
    return sizes_[i];
}

void Line::arrange(const Rect& rect) {
    const Box outer = margins(toBox(rect));
    const Box inner = spacings(outer);
    std::int64_t offset = 0;
    for (std::size_t i = 0; i < count(); ++i) {
        const SIZEINFO& rule = sizes_[i];
        const std::int64_t size = cellSize(outer, rule);
        apply(i, cellAlong(outer, inner, i, offset, size, i + 1 == count() && rule.fills()));
        offset += size;
    }
}

} // namespace tavrin::tvgui
