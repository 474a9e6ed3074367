#pragma once

#include <cstddef>
#include <cstdint>

#include "tvgui/layout/idirection.h"
#include "tvgui/layout/panel.h"

namespace tavrin::tvgui {

// The arithmetic shared by Line, Tansu and Dual.
class DirectedPanel : public Panel, public IDirection {
public:
    DIRECTION direction() const override { return direction_; }
    // At the DPI of the latest layout. ABSOLUTE: the pixel count (96-DPI pixels; the fill
    // marker -1 as it is). PERCENT: one hundredth of the rectangle's extent less the
    // spacing of every cell, times the percentage, in extended precision, rounded to nearest
    // with ties to even. Raises TavrinLayoutError for an unknown direction or a size
    // outside the 32-bit range.
    std::int32_t sizeOf(const Rect& rect, const SIZEINFO& rule, DIRECTION direction) const override;

protected:
    // Raises TavrinLayoutError for an unknown direction.
    DirectedPanel(DIRECTION direction, std::size_t n);

    const Axis& axis() const { return axisOf(direction_); }
    std::int64_t cellSize(const Box& rect, const SIZEINFO& rule, DIRECTION direction) const;
    std::int64_t cellSize(const Box& rect, const SIZEINFO& rule) const {
        return cellSize(rect, rule, direction_);
    }

    // Cell i of a row inside `outer` (margins applied): `inner` (spacings applied) across the
    // direction; along it, after `offset` and the spacing of i cells before, `size` long,
    // or up to the outer far edge less its spacing when the cell fills the rest.
    Box cellAlong(const Box& outer, Box inner, std::size_t i, std::int64_t offset,
                  std::int64_t size, bool fillsRest) const;

private:
    DIRECTION direction_;
};

} // namespace tavrin::tvgui
