#pragma once

#include "system/win32.h"
#include "tvgui/draw/font.h"

namespace tavrin::tvgui {

// The system message font sized for windows at the DPI: made once per DPI and kept for the
// whole process, so that every control at that DPI shares it and none owns it. A DPI that
// is not positive is the system's. TavrinException when the system cannot tell its fonts.
const Font& messageFontFor(int dpi);

// Whether the font is one of those shared message fonts, of whatever DPI.
bool isSharedMessageFont(HFONT font);

} // namespace tavrin::tvgui
