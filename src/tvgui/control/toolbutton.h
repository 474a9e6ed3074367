#pragma once

#include <string>

#include "system/win32.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui {

// One button of a tool bar: the system's record, with its text as UTF-8.
struct TOOLBUTTON {
    // State flags; several combine with |.
    enum class STATE : BYTE {
        NONE = 0,
        CHECKED = TBSTATE_CHECKED,
        PRESSED = TBSTATE_PRESSED,
        ENABLED = TBSTATE_ENABLED,
        HIDDEN = TBSTATE_HIDDEN,
        INDETERMINATE = TBSTATE_INDETERMINATE,
        WRAP = TBSTATE_WRAP,
        ELLIPSES = TBSTATE_ELLIPSES,
        MARKED = TBSTATE_MARKED,
    };
    // Kind and behaviour of the button; several combine with |.
    enum class STYLE : BYTE {
        BUTTON = BTNS_BUTTON,
        SEP = BTNS_SEP,
        CHECK = BTNS_CHECK,
        GROUP = BTNS_GROUP,
        CHECKGROUP = BTNS_CHECKGROUP,
        DROPDOWN = BTNS_DROPDOWN,
        AUTOSIZE = BTNS_AUTOSIZE,
        NOPREFIX = BTNS_NOPREFIX,
        SHOWTEXT = BTNS_SHOWTEXT,
        WHOLEDROPDOWN = BTNS_WHOLEDROPDOWN,
    };
    // Image indices that name no image of the list.
    enum class IMAGE : int {
        NONE = I_IMAGENONE,
        CALLBACK_ = I_IMAGECALLBACK,
    };
    // Images of the standard bitmap set, as offsets from where the set was added.
    enum class STANDARD : int {
        CUT = STD_CUT,
        COPY = STD_COPY,
        PASTE = STD_PASTE,
        UNDO = STD_UNDO,
        REDOW = STD_REDOW,
        DELETE_ = STD_DELETE,
        FILENEW = STD_FILENEW,
        FILEOPEN = STD_FILEOPEN,
        FILESAVE = STD_FILESAVE,
        PRINTPRE = STD_PRINTPRE,
        PROPERTIES = STD_PROPERTIES,
        HELP = STD_HELP,
        FIND = STD_FIND,
        REPLACE = STD_REPLACE,
        PRINT = STD_PRINT,
    };
    // Images of the view bitmap set.
    enum class VIEW : int {
        LARGEICONS = VIEW_LARGEICONS,
        SMALLICONS = VIEW_SMALLICONS,
        LIST = VIEW_LIST,
        DETAILS = VIEW_DETAILS,
        SORTNAME = VIEW_SORTNAME,
        SORTSIZE = VIEW_SORTSIZE,
        SORTDATE = VIEW_SORTDATE,
        SORTTYPE = VIEW_SORTTYPE,
        PARENTFOLDER = VIEW_PARENTFOLDER,
        NETCONNECT = VIEW_NETCONNECT,
        NETDISCONNECT = VIEW_NETDISCONNECT,
        NEWFOLDER = VIEW_NEWFOLDER,
        VIEWMENU = VIEW_VIEWMENU,
    };
    // Images of the history bitmap set.
    enum class HISTORY : int {
        BACK = HIST_BACK,
        FORWARD = HIST_FORWARD,
        FAVORITES = HIST_FAVORITES,
        ADDTOFAVORITES = HIST_ADDTOFAVORITES,
        VIEWTREE = HIST_VIEWTREE,
    };

    int image = static_cast<int>(IMAGE::NONE);
    int command = 0;
    STATE state = STATE::ENABLED;
    STYLE style = STYLE::BUTTON;
    DWORD_PTR data = 0;
    std::string text;
};

constexpr TOOLBUTTON::STATE operator|(TOOLBUTTON::STATE left, TOOLBUTTON::STATE right) {
    return static_cast<TOOLBUTTON::STATE>(static_cast<BYTE>(left) | static_cast<BYTE>(right));
}

constexpr TOOLBUTTON::STYLE operator|(TOOLBUTTON::STYLE left, TOOLBUTTON::STYLE right) {
    return static_cast<TOOLBUTTON::STYLE>(static_cast<BYTE>(left) | static_cast<BYTE>(right));
}

} // namespace tavrin::tvgui
