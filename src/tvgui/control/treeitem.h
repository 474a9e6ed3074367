#pragma once

#include <cstdint>
#include <string>

#include "system/win32.h"
#include "tvgui/control/controlflags.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui {

// The places a new node goes among its siblings, and the root that parents the top nodes: the
// system's reserved node handles.
enum class TREE_NODE : std::intptr_t {
    ROOT = -0x10000,
    FIRST = -0x0FFFF,
    LAST = -0x0FFFE,
    SORT = -0x0FFFD,
};

inline HTREEITEM treeNode(TREE_NODE node) noexcept {
    return reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(node));
}

// What made the selection change.
enum class TREE_ACTION : UINT {
    UNKNOWN = TVC_UNKNOWN,
    BYMOUSE = TVC_BYMOUSE,
    BYKEYBOARD = TVC_BYKEYBOARD,
};

// One node of a tree view; only the fields the mask names are written or read.
struct TREEITEM {
    enum class MASK : UINT {
        NONE = 0,
        TEXT = TVIF_TEXT,
        IMAGE = TVIF_IMAGE,
        PARAM = TVIF_PARAM,
        STATE = TVIF_STATE,
        HANDLE = TVIF_HANDLE,
        SELECTEDIMAGE = TVIF_SELECTEDIMAGE,
        CHILDREN = TVIF_CHILDREN,
    };
    enum class STATE : UINT {
        NONE = 0,
        SELECTED = TVIS_SELECTED,
        CUT = TVIS_CUT,
        DROPHILITED = TVIS_DROPHILITED,
        BOLD = TVIS_BOLD,
        EXPANDED = TVIS_EXPANDED,
        EXPANDEDONCE = TVIS_EXPANDEDONCE,
        OVERLAYMASK = TVIS_OVERLAYMASK,
        STATEIMAGEMASK = TVIS_STATEIMAGEMASK,
    };

    MASK mask = MASK::NONE;
    HTREEITEM node = nullptr;
    STATE state = STATE::NONE;
    STATE stateMask = STATE::NONE;
    std::string text;
    int image = 0;
    int selectedImage = 0;
    // Whether the node shows an expand button before it has children (1) or not (0).
    int children = 0;
    LPARAM param = 0;
};

// Where a new node goes: under parent (TREE_NODE::ROOT for a top node), after the sibling
// after (a node, or TREE_NODE::FIRST, LAST or SORT).
struct TREEINSERTITEM {
    HTREEITEM parent = treeNode(TREE_NODE::ROOT);
    HTREEITEM after = treeNode(TREE_NODE::LAST);
    TREEITEM item;
};

// Where a point of the client area falls among the nodes.
struct TREEHITTEST {
    enum class FLAGS : UINT {
        NOWHERE = TVHT_NOWHERE,
        ONITEMICON = TVHT_ONITEMICON,
        ONITEMLABEL = TVHT_ONITEMLABEL,
        ONITEM = TVHT_ONITEM,
        ONITEMINDENT = TVHT_ONITEMINDENT,
        ONITEMBUTTON = TVHT_ONITEMBUTTON,
        ONITEMRIGHT = TVHT_ONITEMRIGHT,
        ONITEMSTATEICON = TVHT_ONITEMSTATEICON,
        ABOVE = TVHT_ABOVE,
        BELOW = TVHT_BELOW,
        TORIGHT = TVHT_TORIGHT,
        TOLEFT = TVHT_TOLEFT,
    };

    // Null when the point is on no node.
    HTREEITEM node = nullptr;
    FLAGS flags = FLAGS::NOWHERE;
};

template <> struct IsControlFlags<TREEITEM::MASK> : std::true_type {};
template <> struct IsControlFlags<TREEITEM::STATE> : std::true_type {};
template <> struct IsControlFlags<TREEHITTEST::FLAGS> : std::true_type {};

} // namespace tavrin::tvgui
