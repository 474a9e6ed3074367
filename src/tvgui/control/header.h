#pragma once

#include <string>
#include <string_view>

#include "tvgui/control/commoncontrol.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// The column items of a header control, for a header this toolkit made and for one another
// control owns (a list view's). Indexes count from 0 in the order the items were inserted.
class HeaderItems {
public:
    int itemCount() const;
    // Inserts an item before index (at the end for an index past the last) and gives its
    // index, or -1 when the control refuses.
    int insertItem(int index, std::string_view text, int width);
    bool deleteItem(int index);
    // Empty for an index that is no item.
    std::string itemText(int index) const;
    bool itemText(int index, std::string_view text);
    // -1 for an index that is no item.
    int itemWidth(int index) const;
    bool itemWidth(int index, int width);

protected:
    ~HeaderItems() = default;

    // The header control whose items these are.
    virtual HWND headerControl() const = 0;
};

// A control of the system's "SysHeader32" class.
class Header : public Control, public ICommonControl, public HeaderItems {
public:
    Header(ITEM_ID id, TvGui& owner);

protected:
    explicit Header(GUIINFO info);

    HWND commonControl() const override { return hwnd(); }
    HWND headerControl() const override { return hwnd(); }
};

} // namespace tavrin::tvgui
