#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tvgui/control/interfaces.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// The messages of one family of list controls; the list box's and the combo box's differ only
// in their numbers.
struct ListMessages {
    UINT add;
    UINT insert;
    UINT remove;
    UINT reset;
    UINT count;
    UINT findExact;
    UINT getCurrent;
    UINT setCurrent;
    UINT getText;
    UINT getTextLength;
    UINT getData;
    UINT setData;
};

// The list part of list boxes and combo boxes. Indexes count from 0. A list box reports a
// refused operation in the result as documented below; a combo box raises
// ComboBoxException instead.
class IListBox {
public:
    // The new item's index, or -1 when the list refused it.
    virtual int add(std::string_view text);
    // Puts the item before index (-1: at the end); the result as for add.
    virtual int insert(int index, std::string_view text);
    // The number of items left, or -1 when there is no such item.
    virtual int remove(int index);
    virtual void clear();
    virtual int count() const;
    // The first item after the one given (-1: from the top; the search goes on from the top
    // past the end) whose whole text equals the text, ignoring case as the system compares.
    virtual std::optional<int> find(std::string_view text, int after = -1) const;
    virtual std::optional<int> selectedIndex() const;
    // Selects the item, or nothing for -1; false when there is no such item.
    virtual bool selectIndex(int index);
    // Empty for an index that names no item.
    virtual std::optional<std::string> itemText(int index) const;
    virtual std::optional<LPARAM> itemData(int index) const;
    // False when there is no such item.
    virtual bool itemData(int index, LPARAM data);

    // Every item's text in order.
    std::vector<std::string> texts() const;

protected:
    ~IListBox() = default;

    virtual HWND listWindow() const = 0;
    virtual const ListMessages& listMessages() const = 0;
    // The answer of the list to the operation, once the control's kind of failure handling
    // has seen it.
    virtual LRESULT checked(LRESULT answer, const char* operation) const = 0;
};

// A control of the system's "LISTBOX" class.
class ListBox : public Control, public IListBox, public INotify, public IOwnerDraw {
public:
    enum class TYPE : DWORD {
        SINGLE_COLUMN = WS_VSCROLL,
        // The items flow into columns, which scroll sideways.
        MULTI_COLUMN = LBS_MULTICOLUMN | WS_HSCROLL,
    };
    enum class SELECT : DWORD {
        SINGLE = 0,
        // Shift and Ctrl extend the selection.
        MULTI = LBS_EXTENDEDSEL,
    };
    enum class EVENT : WORD {
        ERRSPACE = static_cast<WORD>(LBN_ERRSPACE),
        SELCHANGE = LBN_SELCHANGE,
        DBLCLK = LBN_DBLCLK,
        SELCANCEL = LBN_SELCANCEL,
        SETFOCUS = LBN_SETFOCUS,
        KILLFOCUS = LBN_KILLFOCUS,
    };

    ListBox(ITEM_ID id, TvGui& owner, TYPE type = TYPE::SINGLE_COLUMN,
            SELECT select = SELECT::SINGLE);

    bool notify() const override;
    LONG_PTR notify(bool on) override;
    bool ownerDraw() const override;
    LONG_PTR ownerDraw(bool on) override;

    // In a multi-selection list the first selected item, and selecting one item drops the
    // others.
    std::optional<int> selectedIndex() const override;
    bool selectIndex(int index) override;

    bool multiSelect() const;
    // Every selected item in order.
    std::vector<int> selectedIndexes() const;
    // Adds the item to the selection of a multi-selection list or takes it out (-1: every
    // item); false when there is no such item or the list selects one item only.
    bool selectItem(int index, bool on);

protected:
    // The list part of a compound control, which keeps it.
    explicit ListBox(HWND existing);

    HWND listWindow() const override { return hwnd(); }
    const ListMessages& listMessages() const override;
    LRESULT checked(LRESULT answer, const char* operation) const override;
};

} // namespace tavrin::tvgui
