#pragma once

#include <memory>

#include "system/win32.h"

namespace tavrin::tvgui {

class PopUp;

// One menu item as the system reads and writes it, with the object of its sub-menu (null for
// a plain item), which the menu keeps alive as long as the item is in it.
struct MENUITEM {
    // A record of this system's size with every other field zero.
    static MENUITEMINFOW emptyInfo() {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(MENUITEMINFOW);
        return info;
    }

    // The MIIM_ values: which fields of the record count.
    enum class MASK : UINT {
        STATE = 0x1,
        ID = 0x2,
        SUBMENU = 0x4,
        CHECKMARKS = 0x8,
        TYPE = 0x10,
        DATA = 0x20,
        STRING = 0x40,
        BITMAP = 0x80,
        FTYPE = 0x100,
    };
    // The MFT_ values.
    enum class TYPE : UINT {
        STRING = 0x0,
        BITMAP = 0x4,
        MENUBARBREAK = 0x20,
        MENUBREAK = 0x40,
        OWNERDRAW = 0x100,
        RADIOCHECK = 0x200,
        SEPARATOR = 0x800,
        RIGHTORDER = 0x2000,
        RIGHTJUSTIFY = 0x4000,
    };
    // The MFS_ values.
    enum class STATE : UINT {
        ENABLED = 0x0,
        DISABLED = 0x3,
        CHECKED = 0x8,
        HILITE = 0x80,
        DEFAULT = 0x1000,
    };

    MENUITEMINFOW info = emptyInfo();
    std::shared_ptr<PopUp> subMenu;
};

template <typename Flag> constexpr UINT bits(Flag flag) {
    return static_cast<UINT>(flag);
}

template <typename Flag, typename... More> constexpr UINT bits(Flag flag, More... more) {
    return static_cast<UINT>(flag) | bits(more...);
}

} // namespace tavrin::tvgui
