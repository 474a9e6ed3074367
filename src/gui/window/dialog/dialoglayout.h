#pragma once

#include <cstdint>

#include "system/win32.h"
#include "tvgui/layout/line.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

// The measures the launcher's dialogs share, in 96-DPI pixels.
constexpr std::int32_t MARGIN = 8;
constexpr std::int32_t CELL_GAP = 3;
constexpr std::int32_t ICON_CELL = 40;
constexpr std::int32_t BUTTON_HEIGHT = 26;

// The child id of a dialog's control named in its CTRL enumeration.
template <typename CTRL> constexpr tvgui::ITEM_ID itemId(CTRL id) {
    return static_cast<tvgui::ITEM_ID>(id);
}

// Appends a cell of a fixed length in 96-DPI pixels holding a window or a panel.
void addCell(tvgui::Line& line, tvgui::Placeable& gui, std::int32_t length);
void addCell(tvgui::Line& line, tvgui::Layout& layout, std::int32_t length);

// Sizes a top-level window so that its client area is the extent, given in 96-DPI pixels,
// at the window's DPI: the frame takes what the caption and borders need at that DPI. The
// dialogs lay out in fixed cells, so the client area is made to fit them, not the reverse.
void fitClient(tvgui::TvGui& window, SIZE extent);
// The same with the extent already in the window's pixels.
void fitClientPixels(tvgui::TvGui& window, SIZE pixels);

} // namespace tavrin::gui
