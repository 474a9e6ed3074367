#include "tvgui/control/commoncontrol.h"

#include <commctrl.h>

namespace tavrin::tvgui {

bool ICommonControl::has(LONG_PTR bits) const {
    return (GetWindowLongPtrW(commonControl(), GWL_STYLE) & bits) == bits;
}

LONG_PTR ICommonControl::put(LONG_PTR bits, bool on) {
    const HWND hwnd = commonControl();
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    return SetWindowLongPtrW(hwnd, GWL_STYLE, on ? style | bits : style & ~bits);
}

#define TVGUI_COMMON_STYLE(NAME, BITS)                                                             \
    bool ICommonControl::NAME() const {                                                            \
        return has(BITS);                                                                          \
    }                                                                                              \
    LONG_PTR ICommonControl::NAME(bool on) {                                                       \
        return put(BITS, on);                                                                      \
    }

TVGUI_COMMON_STYLE(top, CCS_TOP)
TVGUI_COMMON_STYLE(noMoveY, CCS_NOMOVEY)
TVGUI_COMMON_STYLE(bottom, CCS_BOTTOM)
TVGUI_COMMON_STYLE(noResize, CCS_NORESIZE)
TVGUI_COMMON_STYLE(noParentAlign, CCS_NOPARENTALIGN)
TVGUI_COMMON_STYLE(adjustable, CCS_ADJUSTABLE)
TVGUI_COMMON_STYLE(noDivider, CCS_NODIVIDER)
TVGUI_COMMON_STYLE(vertical, CCS_VERT)
TVGUI_COMMON_STYLE(left, CCS_LEFT)
TVGUI_COMMON_STYLE(noMoveX, CCS_NOMOVEX)
TVGUI_COMMON_STYLE(right, CCS_RIGHT)

#undef TVGUI_COMMON_STYLE

} // namespace tavrin::tvgui
