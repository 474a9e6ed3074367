#pragma once

#include <string>

#include "system/win32.h"
#include "tvgui/control/controlflags.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui {

enum class LISTITEM_STATE : UINT {
    NONE = 0,
    FOCUSED = LVIS_FOCUSED,
    SELECTED = LVIS_SELECTED,
    CUT = LVIS_CUT,
    DROPHILITED = LVIS_DROPHILITED,
    OVERLAYMASK = LVIS_OVERLAYMASK,
    STATEIMAGEMASK = LVIS_STATEIMAGEMASK,
};

// One item (sub-item 0) or sub-item of a list view; only the fields the mask names are
// written or read.
struct LISTITEM {
    enum class MASK : UINT {
        NONE = 0,
        TEXT = LVIF_TEXT,
        IMAGE = LVIF_IMAGE,
        PARAM = LVIF_PARAM,
        STATE = LVIF_STATE,
        INDENT = LVIF_INDENT,
    };

    MASK mask = MASK::NONE;
    int item = 0;
    int subItem = 0;
    LISTITEM_STATE state = LISTITEM_STATE::NONE;
    LISTITEM_STATE stateMask = LISTITEM_STATE::NONE;
    std::string text;
    int image = 0;
    LPARAM param = 0;
    int indent = 0;
};

// One column of a list view in report view.
struct LISTCOLUMN {
    enum class MASK : UINT {
        NONE = 0,
        FORMAT = LVCF_FMT,
        WIDTH = LVCF_WIDTH,
        TEXT = LVCF_TEXT,
        SUBITEM = LVCF_SUBITEM,
        ORDER = LVCF_ORDER,
    };
    // Where the column's texts sit.
    enum class POSITION : int { LEFT = LVCFMT_LEFT, RIGHT = LVCFMT_RIGHT, CENTER = LVCFMT_CENTER };

    MASK mask = MASK::NONE;
    POSITION position = POSITION::LEFT;
    int width = 0;
    std::string text;
    int subItem = 0;
    int order = 0;
};

// What a search of the items looks for.
struct LISTFIND {
    enum class FLAGS : UINT {
        PARAM = LVFI_PARAM,
        PARTIAL = LVFI_PARTIAL,
        STRING = LVFI_STRING,
        WRAP = LVFI_WRAP,
    };

    FLAGS flags = FLAGS::STRING;
    std::string text;
    LPARAM param = 0;
};

// Where a point of the client area falls among the items.
struct LISTHITTEST {
    enum class FLAGS : UINT {
        NOWHERE = LVHT_NOWHERE,
        ONITEMICON = LVHT_ONITEMICON,
        ONITEMLABEL = LVHT_ONITEMLABEL,
        ONITEMSTATEICON = LVHT_ONITEMSTATEICON,
        ONITEM = LVHT_ONITEM,
        ABOVE = LVHT_ABOVE,
        BELOW = LVHT_BELOW,
        TORIGHT = LVHT_TORIGHT,
        TOLEFT = LVHT_TOLEFT,
    };

    // -1 when the point is on no item.
    int item = -1;
    int subItem = 0;
    FLAGS flags = FLAGS::NOWHERE;
};

template <> struct IsControlFlags<LISTITEM_STATE> : std::true_type {};
template <> struct IsControlFlags<LISTITEM::MASK> : std::true_type {};
template <> struct IsControlFlags<LISTCOLUMN::MASK> : std::true_type {};
template <> struct IsControlFlags<LISTFIND::FLAGS> : std::true_type {};
template <> struct IsControlFlags<LISTHITTEST::FLAGS> : std::true_type {};

} // namespace tavrin::tvgui
