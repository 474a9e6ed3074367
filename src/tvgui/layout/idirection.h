#pragma once

#include <cstdint>

#include "tvgui/layout/direction.h"
#include "tvgui/layout/placeable.h"
#include "tvgui/layout/sizeinfo.h"

namespace tavrin::tvgui {

// What the panel kinds that stack their cells along one direction have in common.
class IDirection {
public:
    virtual DIRECTION direction() const = 0;
    // The size along the direction of one cell with the rule inside the rectangle.
    virtual std::int32_t sizeOf(const Rect& rect, const SIZEINFO& rule,
                                DIRECTION direction) const = 0;

protected:
    ~IDirection() = default;
};

} // namespace tavrin::tvgui
