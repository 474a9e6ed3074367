#include "tvgui/layout/box.h"

#include <limits>
#include <string>

#include "system/tavrinerrors.h"
#include "tvgui/layout/dpiscale.h"

namespace tavrin::tvgui {

Box toBox(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

Box shrunk(const Box& box, const Insets& insets, int dpi) {
    return {box.left + scaleToDpi(insets.left, dpi), box.top + scaleToDpi(insets.top, dpi),
            box.right - scaleToDpi(insets.right, dpi), box.bottom - scaleToDpi(insets.bottom, dpi)};
}

std::int32_t toCoordinate(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw system::TavrinLayoutError("coordinate out of range: " + std::to_string(value));
    }
    return static_cast<std::int32_t>(value);
}

Rect toRect(const Box& box) {
    return {toCoordinate(box.left), toCoordinate(box.top), toCoordinate(box.right),
            toCoordinate(box.bottom)};
}

const Axis& axisOf(DIRECTION direction) {
    static constexpr Axis horizon{&Box::left, &Box::right, &Insets::left, &Insets::right};
    static constexpr Axis vertical{&Box::top, &Box::bottom, &Insets::top, &Insets::bottom};
    switch (direction) {
    case DIRECTION::HORIZON:
        return horizon;
    case DIRECTION::VERTICAL:
        return vertical;
    }
    throw system::TavrinLayoutError("unknown direction: " +
                                    std::to_string(static_cast<std::int32_t>(direction)));
}

} // namespace tavrin::tvgui
