#pragma once

#include "system/win32.h"

namespace tavrin::gui {

// What a button bar without buttons tells the user: how to put something there.
class EmptyBarHint {
public:
    // The text's extent with its margin, in the system's message font at the DPI.
    static SIZE extent(int dpi);
    // Draws the text on one line at the top left of the area, in the system's grey text
    // colour and the message font at the DPI; a narrow bar shows its start and an ellipsis.
    static void draw(HDC dc, const RECT& area, int dpi);
};

} // namespace tavrin::gui
