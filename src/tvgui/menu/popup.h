#pragma once

#include <optional>

#include "system/win32.h"
#include "tvgui/menu/menu.h"

namespace tavrin::tvgui {

// A pop-up menu of its own making, shown at a point, at the cursor or beside a window.
class PopUp : public Menu {
public:
    // The TPM_ values, combined with |.
    enum class FLAGS : UINT {
        LEFTBUTTON = 0x0,
        RECURSE = 0x1,
        RIGHTBUTTON = 0x2,
        LEFTALIGN = 0x0,
        CENTERALIGN = 0x4,
        RIGHTALIGN = 0x8,
        TOPALIGN = 0x0,
        VCENTERALIGN = 0x10,
        BOTTOMALIGN = 0x20,
        HORIZONTAL = 0x0,
        VERTICAL = 0x40,
        NONOTIFY = 0x80,
        RETURNCMD = 0x100,
        HORPOSANIMATION = 0x400,
        HORNEGANIMATION = 0x800,
        VERPOSANIMATION = 0x1000,
        VERNEGANIMATION = 0x2000,
        NOANIMATION = 0x4000,
        LAYOUTRTL = 0x8000,
    };
    // The side of a window a menu opens on.
    enum class ATTACH { RIGHT = 0, BOTTOM = 1 };
    // The window messages of menus, which owners of pop-up menus answer.
    enum class MESSAGE : UINT {
        CONTEXTMENU = 0x007B,
        INITMENU = 0x0116,
        INITMENUPOPUP = 0x0117,
        MENUSELECT = 0x011F,
        MENUCHAR = 0x0120,
        MENURBUTTONUP = 0x0122,
        MENUDRAG = 0x0123,
        MENUGETOBJECT = 0x0124,
        UNINITMENUPOPUP = 0x0125,
        MENUCOMMAND = 0x0126,
        ENTERMENULOOP = 0x0211,
        EXITMENULOOP = 0x0212,
    };

    // TavrinException "メニュー作成に失敗" when the system makes no menu.
    PopUp();
    ~PopUp() override { releaseAtEnd(system::logRefusedRelease); }

    // Tracks the menu at point, owned by window, never over exclude; what TrackPopupMenuEx
    // answers (the chosen id with RETURNCMD).
    int show(FLAGS flags, POINT point, HWND window, const std::optional<RECT>& exclude);
    int showAtCursor(FLAGS flags, HWND window, const std::optional<RECT>& exclude);
    // Beside the window and never over it, for the right mouse button too.
    int showAttached(FLAGS flags, ATTACH side, HWND window);
};

constexpr PopUp::FLAGS operator|(PopUp::FLAGS left, PopUp::FLAGS right) {
    return static_cast<PopUp::FLAGS>(static_cast<UINT>(left) | static_cast<UINT>(right));
}

} // namespace tavrin::tvgui
