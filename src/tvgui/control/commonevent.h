#pragma once

#include "system/win32.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui {

// The notification codes every common control sends its owner besides its own.
enum class COMMONEVENT : UINT {
    OUTOFMEMORY = NM_OUTOFMEMORY,
    CLICK = NM_CLICK,
    DBLCLK = NM_DBLCLK,
    RETURN = NM_RETURN,
    RCLICK = NM_RCLICK,
    RDBLCLK = NM_RDBLCLK,
    SETFOCUS = NM_SETFOCUS,
    KILLFOCUS = NM_KILLFOCUS,
    CUSTOMDRAW = NM_CUSTOMDRAW,
    HOVER = NM_HOVER,
    NCHITTEST = NM_NCHITTEST,
    KEYDOWN = NM_KEYDOWN,
    RELEASEDCAPTURE = NM_RELEASEDCAPTURE,
    SETCURSOR = NM_SETCURSOR,
    CHAR = NM_CHAR,
    TOOLTIPSCREATED = NM_TOOLTIPSCREATED,
    LDOWN = NM_LDOWN,
    RDOWN = NM_RDOWN,
    THEMECHANGED = NM_THEMECHANGED,
};

} // namespace tavrin::tvgui
