#pragma once

#include <cstdint>

#include "system/win32.h"
#include "tvgui/layout/line.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

// Appends a cell of a fixed length in 96-DPI pixels holding a window or a panel.
void addCell(tvgui::Line& line, tvgui::Placeable& gui, std::int32_t length);
void addCell(tvgui::Line& line, tvgui::Layout& layout, std::int32_t length);

// Sizes a top-level window so that its client area is the extent, given in 96-DPI pixels,
// at the window's DPI: the frame takes what the caption and borders need at that DPI. The
// dialogs lay out in fixed cells, so the client area is made to fit them, not the reverse.
void fitClient(tvgui::TvGui& window, SIZE extent);

} // namespace tavrin::gui
