#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tvgui/control/commoncontrol.h"
#include "tvgui/control/customdraw.h"
#include "tvgui/control/header.h"
#include "tvgui/control/interfaces.h"
#include "tvgui/control/listitem.h"
#include "tvgui/draw/imagelist.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// A control of the system's "SysListView32" class. Items are counted from 0; sub-item 0 is
// the item itself, sub-item n the text of column n in report view. The list never frees the
// image lists it is given: their holders keep them.
class ListView : public Control, public ICommonControl, public IOwnerDraw, public INoHideSelect {
public:
    enum class TYPE { SMALLICON, NORMALICON, LIST, REPORT };
    enum class IMAGE_TYPE : int { NORMAL = LVSIL_NORMAL, SMALL = LVSIL_SMALL, STATE = LVSIL_STATE };
    enum class NEXT : UINT {
        ALL = LVNI_ALL,
        FOCUSED = LVNI_FOCUSED,
        SELECTED = LVNI_SELECTED,
        CUT = LVNI_CUT,
        DROPHILITED = LVNI_DROPHILITED,
        ABOVE = LVNI_ABOVE,
        BELOW = LVNI_BELOW,
        TOLEFT = LVNI_TOLEFT,
        TORIGHT = LVNI_TORIGHT,
    };
    // The part of an item a rectangle bounds.
    enum class PART : int {
        BOUNDS = LVIR_BOUNDS,
        ICON = LVIR_ICON,
        LABEL = LVIR_LABEL,
        SELECTBOUNDS = LVIR_SELECTBOUNDS,
    };
    enum class EVENT : UINT {
        ITEMCHANGING = LVN_ITEMCHANGING,
        ITEMCHANGED = LVN_ITEMCHANGED,
        INSERTITEM = LVN_INSERTITEM,
        DELETEITEM = LVN_DELETEITEM,
        DELETEALLITEMS = LVN_DELETEALLITEMS,
        BEGINLABELEDIT = LVN_BEGINLABELEDITW,
        ENDLABELEDIT = LVN_ENDLABELEDITW,
        COLUMNCLICK = LVN_COLUMNCLICK,
        BEGINDRAG = LVN_BEGINDRAG,
        BEGINRDRAG = LVN_BEGINRDRAG,
        ITEMACTIVATE = LVN_ITEMACTIVATE,
        KEYDOWN = LVN_KEYDOWN,
        CUSTOMDRAW = NM_CUSTOMDRAW,
        CLICK = NM_CLICK,
        DBLCLK = NM_DBLCLK,
        RCLICK = NM_RCLICK,
    };
    class ListHeader;

    ListView(ITEM_ID id, TvGui& owner, TYPE type = TYPE::REPORT);

    TYPE view() const;
    LONG_PTR view(TYPE type);
    bool ownerDraw() const override;
    LONG_PTR ownerDraw(bool on) override;
    bool noHideSelect() const override;
    LONG_PTR noHideSelect(bool on) override;
    bool singleSelect() const;
    LONG_PTR singleSelect(bool on);
    bool editLabels() const;
    LONG_PTR editLabels(bool on);
    bool noColumnHeader() const;
    LONG_PTR noColumnHeader(bool on);
    // Extended styles.
    bool fullRowSelect() const;
    void fullRowSelect(bool on);
    bool gridLines() const;
    void gridLines(bool on);
    bool checkBoxes() const;
    void checkBoxes(bool on);

    // Inserts the column before index and gives its index, or -1.
    int insertColumn(int index, const LISTCOLUMN& column);
    bool setColumn(int index, const LISTCOLUMN& column);
    // The fields the mask names; empty for an index that is no column.
    std::optional<LISTCOLUMN> column(int index, LISTCOLUMN::MASK mask) const;
    bool deleteColumn(int index);
    int columnCount() const;
    int columnWidth(int index) const;
    // LVSCW_AUTOSIZE and LVSCW_AUTOSIZE_USEHEADER fit the column to its texts.
    bool columnWidth(int index, int width);

    int itemCount() const;
    // Inserts the item (sub-item 0) at item.item and gives its index, or -1.
    int insertItem(const LISTITEM& item);
    // Writes the fields the mask names into the item or sub-item.
    bool setItem(const LISTITEM& item);
    // The fields the mask names; empty for an index that is no item.
    std::optional<LISTITEM> item(int index, int subItem, LISTITEM::MASK mask) const;
    std::string itemText(int index, int subItem = 0) const;
    bool itemText(int index, int subItem, std::string_view text);
    LPARAM itemParam(int index) const;
    bool deleteItem(int index);
    bool clear();
    LISTITEM_STATE itemState(int index, LISTITEM_STATE mask) const;
    // Index -1 changes every item.
    bool itemState(int index, LISTITEM_STATE state, LISTITEM_STATE mask);
    // Selects only this item and gives it the focus.
    bool selectOnly(int index);
    int selectedCount() const;
    // The check box of an item when the list has check boxes.
    bool checked(int index) const;
    bool check(int index, bool on);
    // The next item from start (-1: from the top) with the given relation; -1 when none.
    int nextItem(int start, NEXT relation) const;
    // The first match after start (-1: from the top); -1 when none.
    int find(const LISTFIND& what, int start = -1) const;
    LISTHITTEST hitTest(POINT point) const;
    std::optional<RECT> itemRect(int index, PART part) const;
    bool ensureVisible(int index, bool partialOk);
    // Starts editing the item's label in place (the list needs the edit-labels style); the
    // list takes the keyboard focus for it.
    bool editLabel(int index);
    // Orders the items by the caller's numbers: before is negative when the first number's
    // item goes first, positive when it goes after, 0 when either will do. What before
    // throws comes out of sort, with the items left in some order.
    bool sort(const std::function<int(LPARAM first, LPARAM second)>& before);
    // The picture of an item a drag carries, and where its top-left corner sits in the list;
    // the caller owns it.
    std::optional<ImageList> dragImage(int index, POINT& corner);

    // Shows the list and gives back the one it replaced, if any.
    std::optional<ImageList> setImageList(const ImageList& list, IMAGE_TYPE type);
    std::optional<ImageList> imageList(IMAGE_TYPE type) const;

    // The header of the columns; null while the list has none.
    std::unique_ptr<ListHeader> header() const;

    // In a list view's custom draw: the sub-item being drawn, and the colours to draw it in.
    static int subItem(const CUSTOMDRAW& draw);
    static void paintColors(CUSTOMDRAW& draw, COLORREF text, COLORREF back);
    // The text an in-place edit ended with; empty when the user cancelled it.
    static std::optional<std::string> editedLabel(const NMHDR& header);

protected:
    explicit ListView(GUIINFO info);

    HWND commonControl() const override { return hwnd(); }

private:
    bool extended(DWORD bits) const;
    void extended(DWORD bits, bool on);
};

// The header control a list view in report view makes for itself. The list owns and destroys
// it; this wrapper only reaches it, and does nothing once the list is gone.
class ListView::ListHeader final : public TvGui, public ICommonControl, public HeaderItems {
public:
    explicit ListHeader(HWND header) : TvGui(header) {}

protected:
    HWND commonControl() const override { return hwnd(); }
    HWND headerControl() const override { return hwnd(); }
};

// A list view notification that carries the NMLISTVIEW record.
class LISTVIEWMESSAGE {
public:
    explicit LISTVIEWMESSAGE(const NMHDR& header) noexcept
        : record_(*reinterpret_cast<const NMLISTVIEW*>(&header)) {}

    ListView::EVENT event() const noexcept {
        return static_cast<ListView::EVENT>(record_.hdr.code);
    }
    int item() const noexcept { return record_.iItem; }
    int subItem() const noexcept { return record_.iSubItem; }
    LISTITEM_STATE newState() const noexcept {
        return static_cast<LISTITEM_STATE>(record_.uNewState);
    }
    LISTITEM_STATE oldState() const noexcept {
        return static_cast<LISTITEM_STATE>(record_.uOldState);
    }
    LISTITEM::MASK changed() const noexcept {
        return static_cast<LISTITEM::MASK>(record_.uChanged);
    }
    POINT point() const noexcept { return record_.ptAction; }
    LPARAM param() const noexcept { return record_.lParam; }

private:
    const NMLISTVIEW& record_;
};

template <> struct IsControlFlags<ListView::NEXT> : std::true_type {};

} // namespace tavrin::tvgui
