#pragma once

#include <cstdint>
#include <variant>

#include "tvgui/layout/placeable.h"

namespace tavrin::tvgui {

class Layout;

// One cell of a panel: nothing, a window object or another layout. The cell refers to
// what it places and never owns it.
class CONTENT {
public:
    enum class TYPE : std::int32_t { EMPTY = 0, WINDOW = 1, LAYOUT = 2 };

    CONTENT() = default;
    explicit CONTENT(Placeable& gui) : target_(&gui) {}
    explicit CONTENT(Layout& layout) : target_(&layout) {}

    TYPE type() const { return static_cast<TYPE>(target_.index()); }
    // The referenced object when the cell is of that type, else null.
    Placeable* gui() const { return holds<Placeable*>(); }
    Layout* layout() const { return holds<Layout*>(); }

    friend bool operator==(const CONTENT&, const CONTENT&) = default;

private:
    // The alternatives' order gives the TYPE values.
    std::variant<std::monostate, Placeable*, Layout*> target_;

    template <typename Target> Target holds() const {
        const Target* target = std::get_if<Target>(&target_);
        return target ? *target : nullptr;
    }
};

} // namespace tavrin::tvgui
