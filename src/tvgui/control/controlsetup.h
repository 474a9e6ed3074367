#pragma once

#include <string>

#include "tvgui/system/type.h"
#include "tvgui/window/guiinfo.h"

namespace tavrin::tvgui {

class TvGui;

// The record a control of a system class starts from: its id, owner and the caller's style.
GUIINFO controlInfo(ITEM_ID id, TvGui& owner, DWORD style = 0);

// The record with the class's own window class, unless the caller named one, and its style
// bits added.
GUIINFO ofClass(GUIINFO info, const char* className, DWORD style);

// Readies a new control of a system class for showing: no caption (the window is made with
// its class name as caption) and the system message font for its DPI, since the stock GUI
// font shows Japanese as boxes in some controls.
void dressControl(TvGui& control);

// Registers the common-control classes of the ICC_ set before the first control of one is made.
// TvGuiException when the system refuses.
void registerCommonControls(DWORD classes);

} // namespace tavrin::tvgui
