#pragma once

#include <string>

#include "system/win32.h"

namespace tavrin::gui {

// One row of the command box's list: the item's picture, its caption and, at the right end,
// the key it was found by.
struct CommandRow {
    std::string caption;
    std::string key; // empty when the caption says it already
    HICON icon;      // null while the picture is being looked up
    bool usable;
};

// The lengths a row is laid out by, in the window's pixels.
struct CommandRowMetrics {
    int iconPixels;
    int margin;
};

// Paints the row into the area in the colours given; a row that is not usable has grey text.
void drawCommandRow(HDC dc, const RECT& area, const CommandRow& row,
                    const CommandRowMetrics& metrics, COLORREF text, COLORREF background);

// The width the row takes with the font selected into dc, all of its texts shown.
int commandRowWidth(HDC dc, const CommandRow& row, const CommandRowMetrics& metrics);

} // namespace tavrin::gui
