#pragma once

#include <cstdint>
#include <functional>

#include "system/win32.h"

// Typed integers over the Win32 values that handlers receive, so that a handler's signature
// says which kind of number it gets. Members name the values the launcher uses; any other
// value of the same kind converts in with static_cast.
namespace tavrin::tvgui {

// Identifiers: a control's child id, a menu or accelerator command, a hot key, a timer.
enum class ITEM_ID : std::uint16_t {};
enum class COMMAND_ID : std::uint16_t {};
enum class HOTKEY_ID : std::int32_t {};
enum class TIMER_ID : std::uintptr_t {};

// A control's notification code in WM_COMMAND.
enum class MESSAGETYPE : std::uint16_t {};

// Where a WM_COMMAND without a sending control came from.
enum class MESSAGE_TYPE : std::uint16_t { MENU = 0, ACCELERATOR = 1 };

enum class SHOW : std::int32_t {
    HIDE = SW_HIDE,
    SHOWNORMAL = SW_SHOWNORMAL,
    SHOWMINIMIZED = SW_SHOWMINIMIZED,
    SHOWMAXIMIZED = SW_SHOWMAXIMIZED,
    SHOWNOACTIVATE = SW_SHOWNOACTIVATE,
    SHOW = SW_SHOW,
    MINIMIZE = SW_MINIMIZE,
    SHOWMINNOACTIVE = SW_SHOWMINNOACTIVE,
    SHOWNA = SW_SHOWNA,
    RESTORE = SW_RESTORE,
    SHOWDEFAULT = SW_SHOWDEFAULT,
    FORCEMINIMIZE = SW_FORCEMINIMIZE,
};

// Hit-test codes.
enum class HT : std::int32_t {
    ERROR_ = HTERROR,
    TRANSPARENT_ = HTTRANSPARENT,
    NOWHERE = HTNOWHERE,
    CLIENT = HTCLIENT,
    CAPTION = HTCAPTION,
    SYSMENU = HTSYSMENU,
    SIZE = HTSIZE,
    MENU = HTMENU,
    HSCROLL = HTHSCROLL,
    VSCROLL = HTVSCROLL,
    MINBUTTON = HTMINBUTTON,
    MAXBUTTON = HTMAXBUTTON,
    LEFT = HTLEFT,
    RIGHT = HTRIGHT,
    TOP = HTTOP,
    TOPLEFT = HTTOPLEFT,
    TOPRIGHT = HTTOPRIGHT,
    BOTTOM = HTBOTTOM,
    BOTTOMLEFT = HTBOTTOMLEFT,
    BOTTOMRIGHT = HTBOTTOMRIGHT,
    BORDER = HTBORDER,
    CLOSE = HTCLOSE,
    HELP = HTHELP,
};

// The MK_ flags of mouse messages.
enum class MOUSE_KEY : std::uint16_t {
    NONE = 0,
    LBUTTON = MK_LBUTTON,
    RBUTTON = MK_RBUTTON,
    SHIFT = MK_SHIFT,
    CONTROL = MK_CONTROL,
    MBUTTON = MK_MBUTTON,
    X1 = MK_XBUTTON1,
    X2 = MK_XBUTTON2,
};

// Scroll-bar request codes.
enum class SCROLL : std::uint16_t {
    LINEUP = SB_LINEUP,
    LINEDOWN = SB_LINEDOWN,
    PAGEUP = SB_PAGEUP,
    PAGEDOWN = SB_PAGEDOWN,
    THUMBPOSITION = SB_THUMBPOSITION,
    THUMBTRACK = SB_THUMBTRACK,
    TOP = SB_TOP,
    BOTTOM = SB_BOTTOM,
    ENDSCROLL = SB_ENDSCROLL,
};

// Why WM_SIZE came.
enum class SIZE_TYPE : std::uint32_t {
    RESTORED = SIZE_RESTORED,
    MINIMIZED = SIZE_MINIMIZED,
    MAXIMIZED = SIZE_MAXIMIZED,
    MAXSHOW = SIZE_MAXSHOW,
    MAXHIDE = SIZE_MAXHIDE,
};

enum class WINDOW_ACTIVE : std::uint16_t {
    INACTIVE = WA_INACTIVE,
    ACTIVE = WA_ACTIVE,
    CLICKACTIVE = WA_CLICKACTIVE,
};

// The edge being dragged in WM_SIZING and WM_MOVING.
enum class SIDEFLAG : std::uint32_t {
    NONE = 0,
    LEFT = WMSZ_LEFT,
    RIGHT = WMSZ_RIGHT,
    TOP = WMSZ_TOP,
    TOPLEFT = WMSZ_TOPLEFT,
    TOPRIGHT = WMSZ_TOPRIGHT,
    BOTTOM = WMSZ_BOTTOM,
    BOTTOMLEFT = WMSZ_BOTTOMLEFT,
    BOTTOMRIGHT = WMSZ_BOTTOMRIGHT,
};

// Menu item flags of WM_MENUSELECT.
enum class MENU_FLAG : std::uint16_t {
    NONE = 0,
    GRAYED = MF_GRAYED,
    DISABLED = MF_DISABLED,
    BITMAP = MF_BITMAP,
    CHECKED = MF_CHECKED,
    POPUP = MF_POPUP,
    HILITE = MF_HILITE,
    OWNERDRAW = MF_OWNERDRAW,
    SYSMENU = MF_SYSMENU,
    MOUSESELECT = MF_MOUSESELECT,
    CLOSED = 0xFFFF,
};

// What WM_PRINTCLIENT asks to be drawn.
enum class PRF : std::uint32_t {
    CHECKVISIBLE = PRF_CHECKVISIBLE,
    NONCLIENT = PRF_NONCLIENT,
    CLIENT = PRF_CLIENT,
    ERASEBKGND = PRF_ERASEBKGND,
    CHILDREN = PRF_CHILDREN,
    OWNED = PRF_OWNED,
};

// Window-menu commands.
enum class SC : std::uint32_t {
    SIZE = SC_SIZE,
    MOVE = SC_MOVE,
    MINIMIZE = SC_MINIMIZE,
    MAXIMIZE = SC_MAXIMIZE,
    NEXTWINDOW = SC_NEXTWINDOW,
    PREVWINDOW = SC_PREVWINDOW,
    CLOSE = SC_CLOSE,
    VSCROLL = SC_VSCROLL,
    HSCROLL = SC_HSCROLL,
    MOUSEMENU = SC_MOUSEMENU,
    KEYMENU = SC_KEYMENU,
    RESTORE = SC_RESTORE,
    TASKLIST = SC_TASKLIST,
    SCREENSAVE = SC_SCREENSAVE,
    HOTKEY = SC_HOTKEY,
    DEFAULT = SC_DEFAULT,
    MONITORPOWER = SC_MONITORPOWER,
    CONTEXTHELP = SC_CONTEXTHELP,
};

// Answers to WM_GETDLGCODE.
enum class DLGC : std::uint32_t {
    WANTARROWS = DLGC_WANTARROWS,
    WANTTAB = DLGC_WANTTAB,
    WANTALLKEYS = DLGC_WANTALLKEYS,
    WANTMESSAGE = DLGC_WANTMESSAGE,
    HASSETSEL = DLGC_HASSETSEL,
    DEFPUSHBUTTON = DLGC_DEFPUSHBUTTON,
    UNDEFPUSHBUTTON = DLGC_UNDEFPUSHBUTTON,
    RADIOBUTTON = DLGC_RADIOBUTTON,
    WANTCHARS = DLGC_WANTCHARS,
    STATIC = DLGC_STATIC,
    BUTTON = DLGC_BUTTON,
};

// Owner-drawn control kinds.
enum class CONTROL_TYPE : std::uint32_t {
    MENU = ODT_MENU,
    LISTBOX = ODT_LISTBOX,
    COMBOBOX = ODT_COMBOBOX,
    BUTTON = ODT_BUTTON,
    STATIC = ODT_STATIC,
};

namespace DRAWITEM {
enum class ACTION : std::uint32_t {
    DRAWENTIRE = ODA_DRAWENTIRE,
    SELECT = ODA_SELECT,
    FOCUS = ODA_FOCUS,
};
enum class STATE : std::uint32_t {
    SELECTED = ODS_SELECTED,
    GRAYED = ODS_GRAYED,
    DISABLED = ODS_DISABLED,
    CHECKED = ODS_CHECKED,
    FOCUS = ODS_FOCUS,
    DEFAULT = ODS_DEFAULT,
    COMBOBOXEDIT = ODS_COMBOBOXEDIT,
    HOTLIGHT = ODS_HOTLIGHT,
    INACTIVE = ODS_INACTIVE,
    NOACCEL = ODS_NOACCEL,
    NOFOCUSRECT = ODS_NOFOCUSRECT,
};
} // namespace DRAWITEM

// What an erase-background handler hands back when it paints the background itself: the
// procedure returns the delegate's result. An empty delegate asks for default processing.
using OnEraseBackGroundDg = std::function<LRESULT()>;

// The 32-bit packed point of a mouse message, with its two signed 16-bit halves: equal only
// when all 32 bits are; all zero when reset.
struct TVGUIPOINT {
    std::uint32_t lParam = 0;

    static TVGUIPOINT of(LPARAM value) noexcept { return {static_cast<std::uint32_t>(value)}; }
    std::int16_t x() const noexcept { return static_cast<std::int16_t>(lParam & 0xFFFF); }
    std::int16_t y() const noexcept { return static_cast<std::int16_t>(lParam >> 16); }
    friend bool operator==(TVGUIPOINT, TVGUIPOINT) = default;
};

} // namespace tavrin::tvgui
