#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tvgui/control/commoncontrol.h"
#include "tvgui/control/commonevent.h"
#include "tvgui/control/toolbutton.h"
#include "tvgui/draw/imagelist.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// A control of the system's "ToolbarWindow32" class: a row (or rows) of buttons that send
// their command ids to the owner. Buttons are found by index (their place in the row) or by
// command id, as each operation says.
class ToolBar : public Control, public ICommonControl {
public:
    // Which of the bar's three image lists: the usual images, those under the mouse, and
    // those of disabled buttons.
    enum class IMAGE_TYPE { NORMAL, HOT, DISABLED };
    // The bitmap sets the common controls carry.
    enum class SYSTEM_IMAGE : UINT_PTR {
        STD_SMALL_COLOR = IDB_STD_SMALL_COLOR,
        STD_LARGE_COLOR = IDB_STD_LARGE_COLOR,
        VIEW_SMALL_COLOR = IDB_VIEW_SMALL_COLOR,
        VIEW_LARGE_COLOR = IDB_VIEW_LARGE_COLOR,
        HIST_SMALL_COLOR = IDB_HIST_SMALL_COLOR,
        HIST_LARGE_COLOR = IDB_HIST_LARGE_COLOR,
    };
    // Extended style flags; several combine with |.
    enum class EXTENDED : DWORD {
        NONE = 0,
        DRAWDDARROWS = TBSTYLE_EX_DRAWDDARROWS,
        MIXEDBUTTONS = TBSTYLE_EX_MIXEDBUTTONS,
        HIDECLIPPEDBUTTONS = TBSTYLE_EX_HIDECLIPPEDBUTTONS,
        DOUBLEBUFFER = TBSTYLE_EX_DOUBLEBUFFER,
    };
    enum class EVENT : UINT {
        GETBUTTONINFO = TBN_GETBUTTONINFOW,
        BEGINDRAG = TBN_BEGINDRAG,
        ENDDRAG = TBN_ENDDRAG,
        BEGINADJUST = TBN_BEGINADJUST,
        ENDADJUST = TBN_ENDADJUST,
        RESET = TBN_RESET,
        QUERYINSERT = TBN_QUERYINSERT,
        QUERYDELETE = TBN_QUERYDELETE,
        TOOLBARCHANGE = TBN_TOOLBARCHANGE,
        CUSTHELP = TBN_CUSTHELP,
        DROPDOWN = TBN_DROPDOWN,
        GETOBJECT = TBN_GETOBJECT,
        HOTITEMCHANGE = TBN_HOTITEMCHANGE,
        DRAGOUT = TBN_DRAGOUT,
        DELETINGBUTTON = TBN_DELETINGBUTTON,
        GETDISPINFO = TBN_GETDISPINFOW,
        GETINFOTIP = TBN_GETINFOTIPW,
        RESTORE = TBN_RESTORE,
        SAVE = TBN_SAVE,
        INITCUSTOMIZE = TBN_INITCUSTOMIZE,
    };
    using COMMONEVENT = tvgui::COMMONEVENT;

    ToolBar(ITEM_ID id, TvGui& owner, DWORD style = 0);

    bool flat() const;
    LONG_PTR flat(bool on);
    bool wrapable() const;
    LONG_PTR wrapable(bool on);
    bool toolTips() const;
    LONG_PTR toolTips(bool on);

    // Tells the bar the size of the button record this program hands it.
    void setButtonStructSize();
    // Text beside the images rather than below them.
    void setList(bool on);
    bool isList() const;

    int buttonCount() const;
    bool deleteButton(int index);
    void clear();
    // The record's string is copied by the bar.
    bool insertButton(int index, const TBBUTTON& button);
    bool insertButton(int index, const TOOLBUTTON& button);
    bool button(int index, TBBUTTON& button) const;
    // The button at index with its text; nullopt when there is none.
    std::optional<TOOLBUTTON> button(int index) const;
    // The text of the button with that command id; empty when there is none.
    std::string buttonText(int command) const;
    void autoSize();
    bool setButtonSize(SIZE extent);
    // The right and bottom of the button with that command id; nullopt when there is none.
    std::optional<POINT> buttonBottomRight(int command) const;
    SIZE buttonSize() const;
    bool setButtonWidth(int minimum, int maximum);
    // The rectangle of the button with that command id; nullopt when there is none.
    std::optional<RECT> buttonRect(int command) const;
    // The index of the first image added, or -1 when the bar refused.
    int addBitmap(int count, const TBADDBITMAP& bitmap);
    int addStandardBitmap(SYSTEM_IMAGE id);
    int rows() const;
    // Gives back the flags it replaced.
    EXTENDED setExtendedStyle(EXTENDED flags);
    EXTENDED extendedStyle() const;
    // The bar only borrows the list: the caller keeps it alive while the bar shows it. Gives
    // back the list it replaced, not owned, or null.
    std::unique_ptr<ImageList> setImageList(IMAGE_TYPE type, const ImageList& list, int index = 0);
    // The list shown, not owned, or null.
    std::unique_ptr<ImageList> imageList(IMAGE_TYPE type) const;
    // -1 when no button has that command id.
    int commandToIndex(int command) const;
    bool hideButton(int command, bool hide);
    // The index of the button under the mouse, or -1.
    int hotItem() const;
    // Gives back the index of the button that was hot, or -1.
    int setHotItem(int index);
    // The tool tip that names the buttons (the bar does not own it).
    void setToolTip(const TvGui& tip);
    // The tool tip in use, as guiFromHandle gives it; null when there is none.
    std::shared_ptr<TvGui> toolTip() const;

protected:
    explicit ToolBar(GUIINFO info);

    HWND commonControl() const override { return hwnd(); }
};

constexpr ToolBar::EXTENDED operator|(ToolBar::EXTENDED left, ToolBar::EXTENDED right) {
    return static_cast<ToolBar::EXTENDED>(static_cast<DWORD>(left) | static_cast<DWORD>(right));
}

} // namespace tavrin::tvgui
