#include "gui/window/dialog/dialoglayout.h"

namespace tavrin::gui {

void addCell(tvgui::Line& line, tvgui::Placeable& gui, std::int32_t length) {
    line.addGui(gui);
    line.sizeAt(line.count() - 1).setAbsolute(length);
}

void addCell(tvgui::Line& line, tvgui::Layout& layout, std::int32_t length) {
    line.addLayout(layout);
    line.sizeAt(line.count() - 1).setAbsolute(length);
}

void fitClient(tvgui::TvGui& window, SIZE extent) {
    fitClientPixels(window, SIZE{window.scale(extent.cx), window.scale(extent.cy)});
}

void fitClientPixels(tvgui::TvGui& window, SIZE wanted) {
    window.size(wanted);
    // The frame's thickness is known only once the window has it.
    const SIZE outer = window.windowSize();
    const SIZE client = window.clientSize();
    window.size(wanted.cx + outer.cx - client.cx, wanted.cy + outer.cy - client.cy);
}

} // namespace tavrin::gui
