#include "tvgui/layout/directedpanel.h"

#include <cmath>
#include <limits>
#include <string>

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {
namespace {

// Explicit rather than through the floating-point environment, which anyone may change.
long double roundHalfToEven(long double value) {
    const long double lower = std::floor(value);
    const long double fraction = value - lower;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(lower, 2.0L) != 0)) {
        return lower + 1;
    }
    return lower;
}

} // namespace

DirectedPanel::DirectedPanel(DIRECTION direction, std::size_t n) : Panel(n), direction_(direction) {
    axisOf(direction);
}

std::int32_t DirectedPanel::sizeOf(const Rect& rect, const SIZEINFO& rule,
                                   DIRECTION direction) const {
    return toCoordinate(cellSize(toBox(rect), rule, direction));
}

std::int64_t DirectedPanel::cellSize(const Box& rect, const SIZEINFO& rule,
                                     DIRECTION direction) const {
    const Axis& along = axisOf(direction);
    if (rule.type() == SIZEINFO::TYPE::ABSOLUTE) {
        // The fill marker is no length.
        return rule.fills() ? SIZEINFO::FILL : scaled(rule.absolute());
    }
    const std::int64_t extent = rect.*along.farEdge - rect.*along.nearEdge;
    const std::int64_t spacings =
        (scaled(spacing.*along.nearInset) + scaled(spacing.*along.farInset)) *
        static_cast<std::int64_t>(count());
    const long double unit = static_cast<long double>(extent - spacings) / 100.0L;
    const long double size = roundHalfToEven(unit * rule.percent());
    // Also refuses NaN, for which every comparison is false.
    if (!(size >= std::numeric_limits<std::int32_t>::min() &&
          size <= std::numeric_limits<std::int32_t>::max())) {
        throw system::TavrinLayoutError("size out of range: " + std::to_string(size));
    }
    return static_cast<std::int64_t>(size);
}

Box DirectedPanel::cellAlong(const Box& outer, Box inner, std::size_t i, std::int64_t offset,
                             std::int64_t size, bool fillsRest) const {
    const Axis& along = axis();
    const auto before = static_cast<std::int64_t>(i);
    const std::int64_t nearInset = scaled(spacing.*along.nearInset);
    const std::int64_t farInset = scaled(spacing.*along.farInset);
    inner.*along.nearEdge =
        outer.*along.nearEdge + offset + nearInset * (before + 1) + farInset * before;
    inner.*along.farEdge =
        fillsRest ? outer.*along.farEdge - farInset : inner.*along.nearEdge + size;
    return inner;
}

} // namespace tavrin::tvgui
