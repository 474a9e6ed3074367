#include "tvgui/layout/tansu.h"

namespace tavrin::tvgui {

void Tansu::arrange(const Rect& rect) {
    if (count() == 0) {
        return;
    }
    const Box outer = margins(toBox(rect));
    const std::int64_t size = cellSize(outer, rule_);
    const Box inner = spacings(outer);
    const Axis& along = axis();
    for (std::size_t i = 0; i < count(); ++i) {
        Box cell = cellAlong(outer, inner, i, size * static_cast<std::int64_t>(i), size, false);
        if (i + 1 == count() && rule_.type() == SIZEINFO::TYPE::PERCENT &&
            cell.*along.farEdge > outer.*along.farEdge) {
            cell.*along.farEdge = outer.*along.farEdge - scaled(spacing.*along.farInset);
        }
        apply(i, cell);
    }
}

} // namespace tavrin::tvgui
