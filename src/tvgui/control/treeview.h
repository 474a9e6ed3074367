#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tvgui/control/commoncontrol.h"
#include "tvgui/control/customdraw.h"
#include "tvgui/control/interfaces.h"
#include "tvgui/control/treeitem.h"
#include "tvgui/draw/imagelist.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// A control of the system's "SysTreeView32" class: nodes with buttons and lines, the top
// ones too. Nodes are named by their handles, which stay valid until the node is deleted.
class TreeView : public Control, public ICommonControl, public INoHideSelect {
public:
    enum class EXPAND : UINT {
        COLLAPSE = TVE_COLLAPSE,
        EXPAND = TVE_EXPAND,
        TOGGLE = TVE_TOGGLE,
        COLLAPSERESET = TVE_COLLAPSE | TVE_COLLAPSERESET,
    };
    enum class IMAGE_TYPE : WPARAM { NORMAL = TVSIL_NORMAL, STATE = TVSIL_STATE };
    enum class NEXT : UINT {
        ROOT = TVGN_ROOT,
        NEXT = TVGN_NEXT,
        PREVIOUS = TVGN_PREVIOUS,
        PARENT = TVGN_PARENT,
        CHILD = TVGN_CHILD,
        FIRSTVISIBLE = TVGN_FIRSTVISIBLE,
        NEXTVISIBLE = TVGN_NEXTVISIBLE,
        PREVIOUSVISIBLE = TVGN_PREVIOUSVISIBLE,
        DROPHILITE = TVGN_DROPHILITE,
        CARET = TVGN_CARET,
        LASTVISIBLE = TVGN_LASTVISIBLE,
    };
    // What selecting a node means: the selection, the drop target mark, or the top of the view.
    enum class SELECT : UINT {
        CARET = TVGN_CARET,
        DROPHILITE = TVGN_DROPHILITE,
        FIRSTVISIBLE = TVGN_FIRSTVISIBLE,
    };
    enum class EVENT : UINT {
        SELCHANGING = TVN_SELCHANGINGW,
        SELCHANGED = TVN_SELCHANGEDW,
        GETDISPINFO = TVN_GETDISPINFOW,
        SETDISPINFO = TVN_SETDISPINFOW,
        ITEMEXPANDING = TVN_ITEMEXPANDINGW,
        ITEMEXPANDED = TVN_ITEMEXPANDEDW,
        BEGINDRAG = TVN_BEGINDRAGW,
        BEGINRDRAG = TVN_BEGINRDRAGW,
        DELETEITEM = TVN_DELETEITEMW,
        BEGINLABELEDIT = TVN_BEGINLABELEDITW,
        ENDLABELEDIT = TVN_ENDLABELEDITW,
        KEYDOWN = TVN_KEYDOWN,
        CUSTOMDRAW = NM_CUSTOMDRAW,
        CLICK = NM_CLICK,
        DBLCLK = NM_DBLCLK,
        RCLICK = NM_RCLICK,
    };

    TreeView(ITEM_ID id, TvGui& owner);

    bool noHideSelect() const override;
    LONG_PTR noHideSelect(bool on) override;
    bool editLabels() const;
    LONG_PTR editLabels(bool on);
    bool disableDragDrop() const;
    LONG_PTR disableDragDrop(bool on);

    // The new node, or null when the control refuses.
    HTREEITEM insert(const TREEINSERTITEM& insert);
    // A node with a text and a number of the caller's, last under parent (a top node for null).
    HTREEITEM insert(HTREEITEM parent, std::string_view text, LPARAM param = 0);
    // Deletes the node with everything below it.
    bool remove(HTREEITEM node);
    bool clear();
    // Every node, at every level.
    UINT count() const;
    // The node with that relation to node, which may be null for ROOT, CARET, DROPHILITE,
    // FIRSTVISIBLE and LASTVISIBLE; null when there is none.
    HTREEITEM next(HTREEITEM node, NEXT relation) const;
    bool expand(HTREEITEM node, EXPAND action);
    bool expanded(HTREEITEM node) const;
    bool select(HTREEITEM node, SELECT what = SELECT::CARET);
    HTREEITEM selection() const;

    // The fields the mask names; empty for a node the control refuses.
    std::optional<TREEITEM> item(HTREEITEM node, TREEITEM::MASK mask) const;
    // Writes the fields the mask names into item.node.
    bool setItem(const TREEITEM& item);
    std::string itemText(HTREEITEM node) const;
    bool itemText(HTREEITEM node, std::string_view text);
    LPARAM itemParam(HTREEITEM node) const;
    TREEITEM::STATE itemState(HTREEITEM node, TREEITEM::STATE mask) const;

    // Moves the node with everything below it under parent after the sibling after, as a
    // drop does, and gives the node in its new place (a new handle); null, and nothing moved,
    // when the place lies inside the node itself.
    HTREEITEM moveNode(HTREEITEM node, HTREEITEM parent, HTREEITEM after);
    // Whether node is ancestor itself or lies below it.
    bool within(HTREEITEM node, HTREEITEM ancestor) const;

    TREEHITTEST hitTest(POINT point) const;
    // The rectangle of the node's whole line, or of its text only; empty when it is not
    // shown.
    std::optional<RECT> itemRect(HTREEITEM node, bool textOnly) const;
    bool ensureVisible(HTREEITEM node);
    // Starts editing the node's text in place (the tree needs the edit-labels style).
    bool editLabel(HTREEITEM node);
    bool endEditLabel(bool cancel);

    // Shows the list and gives back the one it replaced, if any.
    std::optional<ImageList> setImageList(const ImageList& list, IMAGE_TYPE type);
    std::optional<ImageList> imageList(IMAGE_TYPE type) const;
    // The picture of a node a drag carries, which the tree makes only once it has a normal
    // image list; the caller owns it.
    std::optional<ImageList> dragImage(HTREEITEM node);

    // The text an in-place edit ended with; empty when the user cancelled it.
    static std::optional<std::string> editedLabel(const NMHDR& header);

protected:
    explicit TreeView(GUIINFO info);

    HWND commonControl() const override { return hwnd(); }

private:
    HTREEITEM copyBelow(HTREEITEM node, HTREEITEM parent, HTREEITEM after);
};

// A tree view notification that carries the NMTREEVIEWW record.
class TREEVIEWMESSAGE {
public:
    // How an expansion notification says the node changes.
    enum class ACTION : UINT {
        COLLAPSE = TVE_COLLAPSE,
        EXPAND = TVE_EXPAND,
        TOGGLE = TVE_TOGGLE,
    };

    explicit TREEVIEWMESSAGE(const NMHDR& header) noexcept
        : record_(*reinterpret_cast<const NMTREEVIEWW*>(&header)) {}

    TreeView::EVENT event() const noexcept {
        return static_cast<TreeView::EVENT>(record_.hdr.code);
    }
    // For the expansion notifications.
    ACTION action() const noexcept { return static_cast<ACTION>(record_.action & TVE_TOGGLE); }
    // For the selection notifications.
    TREE_ACTION cause() const noexcept { return static_cast<TREE_ACTION>(record_.action); }
    HTREEITEM oldNode() const noexcept { return record_.itemOld.hItem; }
    HTREEITEM newNode() const noexcept { return record_.itemNew.hItem; }
    LPARAM oldParam() const noexcept { return record_.itemOld.lParam; }
    LPARAM newParam() const noexcept { return record_.itemNew.lParam; }
    // Where a drag started, in the tree's client coordinates.
    POINT dragPoint() const noexcept { return record_.ptDrag; }

private:
    const NMTREEVIEWW& record_;
};

} // namespace tavrin::tvgui
