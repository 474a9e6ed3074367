#include "tvgui/layout/dual.h"

#include <string>

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

void Dual::arrange(const Rect& rect) {
    if (count() > 2) {
        throw system::TavrinLayoutError("Dual holds " + std::to_string(count()) +
                                        " cells; it places two");
    }
    const SIZEINFO rules[] = {rule_, SIZEINFO::ofAbsolute(SIZEINFO::FILL)};
    const std::int64_t gap = scaled(gap_);
    const std::int64_t half = gap / 2;
    const Axis& along = axis();
    const Box margined = margins(toBox(rect));
    const Box inner = spacings(margined);
    std::int64_t offset = 0;
    for (std::size_t i = 0; i < count(); ++i) {
        Box outer = margined;
        if (i == 0) {
            outer.*along.farEdge += half;
        } else {
            outer.*along.nearEdge += gap - half;
        }
        const std::int64_t size = cellSize(outer, rules[i]);
        apply(i, cellAlong(outer, inner, i, offset, size, i + 1 == count() && rules[i].fills()));
        offset += size;
    }
}

} // namespace tavrin::tvgui
