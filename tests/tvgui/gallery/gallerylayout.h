#pragma once

#include <cstdint>

#include "tvgui/layout/line.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::tvgui::gallery {

// A row or column of the gallery: cells of fixed 96-DPI sizes, 4 pixels apart, and at most
// one that fills the rest.
class GalleryColumn {
public:
    explicit GalleryColumn(DIRECTION direction) : line(direction) { line.spacing = {2, 2, 2, 2}; }

    GalleryColumn& add(Placeable& gui, std::int32_t size) {
        line.addGui(gui);
        line.sizeAt(line.count() - 1).setAbsolute(size);
        return *this;
    }
    GalleryColumn& add(Layout& layout, std::int32_t size) {
        line.addLayout(layout);
        line.sizeAt(line.count() - 1).setAbsolute(size);
        return *this;
    }
    GalleryColumn& fill(Placeable& gui) { return add(gui, SIZEINFO::FILL); }
    GalleryColumn& fill(Layout& layout) { return add(layout, SIZEINFO::FILL); }

    Line& panel() noexcept { return line; }

private:
    Line line;
};

} // namespace tavrin::tvgui::gallery
