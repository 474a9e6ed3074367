#pragma once

#include "tvgui/layout/box.h"
#include "tvgui/layout/dpiscale.h"
#include "tvgui/layout/placeable.h"

namespace tavrin::tvgui {

// Anything that places window objects inside a rectangle: the panels and the manager that
// runs a window's root panel. Layouts are plain objects owned by whoever builds them.
class Layout {
public:
    // The outer inset of the whole layout, in 96-DPI pixels.
    Insets margin;
    // The inset around every single cell, in 96-DPI pixels.
    Insets spacing;

    virtual ~Layout() = default;

    // Places the contents inside the rectangle of a window at the DPI: every pixel quantity
    // of the layout and of the layouts inside it is a 96-DPI pixel, scaled to that DPI. A
    // layout reached again while it is being laid out (a panel holding itself, directly or
    // further down) raises TavrinLayoutError instead of recursing until the stack runs out.
    void layout(const Rect& rect, int dpi = BASE_DPI);

protected:
    Layout() = default;
    // Other layouts and windows refer to a layout by its address: it is never copied.
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;

    virtual void arrange(const Rect& rect) = 0;

    // The DPI of the latest layout (BASE_DPI before the first).
    int dpi() const noexcept { return dpi_; }
    // 96-DPI pixels at that DPI.
    std::int64_t scaled(std::int64_t pixels) const { return scaleToDpi(pixels, dpi_); }

    Box margins(const Box& box) const { return shrunk(box, margin, dpi_); }
    Box spacings(const Box& box) const { return shrunk(box, spacing, dpi_); }

private:
    bool running_ = false;
    int dpi_ = BASE_DPI;
};

} // namespace tavrin::tvgui
