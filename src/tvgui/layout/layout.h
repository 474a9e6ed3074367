#pragma once

#include "tvgui/layout/box.h"
#include "tvgui/layout/placeable.h"

namespace tavrin::tvgui {

// Anything that places window objects inside a rectangle: the panels and the manager that
// runs a window's root panel. Layouts are plain objects owned by whoever builds them.
class Layout {
public:
    // The outer inset of the whole layout.
    Insets margin;
    // The inset around every single cell.
    Insets spacing;

    virtual ~Layout() = default;

    // Places the contents inside the rectangle. A layout reached again while it is being
    // laid out (a panel holding itself, directly or further down) raises TavrinLayoutError
    // instead of recursing until the stack runs out.
    void layout(const Rect& rect);

protected:
    Layout() = default;
    // Other layouts and windows refer to a layout by its address: it is never copied.
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;

    virtual void arrange(const Rect& rect) = 0;

    Box margins(const Box& box) const { return shrunk(box, margin); }
    Box spacings(const Box& box) const { return shrunk(box, spacing); }

private:
    bool running_ = false;
};

} // namespace tavrin::tvgui
