#pragma once

#include <cstdint>
#include <memory>

#include "tvgui/layout/placeable.h"

namespace tavrin::tvgui {

class Layout;

// One cell of a panel: nothing, a window object or another layout. The cell refers to
// what it places and never owns it; a window object that has gone reads as an empty cell.
class CONTENT {
public:
    enum class TYPE : std::int32_t { EMPTY = 0, WINDOW = 1, LAYOUT = 2 };

    CONTENT() = default;
    explicit CONTENT(Placeable& gui) : type_(TYPE::WINDOW), gui_(gui.presence()) {}
    explicit CONTENT(Layout& layout) : type_(TYPE::LAYOUT), layout_(&layout) {}

    TYPE type() const { return type_ == TYPE::WINDOW && gui() == nullptr ? TYPE::EMPTY : type_; }
    // The referenced object when the cell is of that type, else null.
    Placeable* gui() const {
        const auto alive = gui_.lock();
        return alive != nullptr ? *alive : nullptr;
    }
    Layout* layout() const { return layout_; }

    friend bool operator==(const CONTENT& a, const CONTENT& b) {
        return a.type() == b.type() && a.gui() == b.gui() && a.layout() == b.layout();
    }

private:
    TYPE type_ = TYPE::EMPTY;
    std::weak_ptr<Placeable* const> gui_;
    Layout* layout_ = nullptr;
};

} // namespace tavrin::tvgui
