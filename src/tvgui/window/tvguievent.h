#pragma once

#include "system/win32.h"
#include "tvgui/keyboard/keyboard.h"
#include "tvgui/layout/direction.h"
#include "tvgui/system/type.h"

namespace tavrin::shell {
class DropFile;
}

namespace tavrin::tvgui {

class Canvas;
class TvGui;

// The handler set that windows and controls of the toolkit's own classes share. Every
// handler does nothing by default; a bool handler answers false (not handled), except
// OnClose, which agrees to close. The window procedure decides from the answer whether a
// message still gets default processing.
class TvGuiEvent {
public:
    virtual ~TvGuiEvent() = default;

    virtual void OnCreate() {}
    virtual void OnCreated() {}
    virtual void OnSize(SIZE_TYPE, int /*width*/, int /*height*/) {}
    virtual void OnSizing(SIDEFLAG, RECT&) {}
    virtual void OnMoving(SIDEFLAG, RECT&) {}
    virtual void OnPositionChanging(WINDOWPOS&) {}
    virtual void OnPositionChanged(WINDOWPOS&) {}
    virtual bool OnMinMax(POINT& /*maxSize*/, POINT& /*maxPosition*/, POINT& /*maxTrackSize*/,
                          POINT& /*minTrackSize*/) {
        return false;
    }
    virtual void OnEnterSizeMove() {}
    virtual void OnExitSizeMove() {}
    virtual bool OnClose() { return true; }
    // Writes "<class>.TvGuiDestroy()" to the log when the log is on.
    virtual void OnDestroy();
    virtual void OnMeasureItem(MEASUREITEMSTRUCT&) {}
    virtual void OnDrawItem(DRAWITEMSTRUCT&) {}
    virtual void OnActivate(WINDOW_ACTIVE, bool /*minimized*/, HWND /*other*/) {}
    virtual void OnActivateApp(bool /*active*/, DWORD /*threadId*/) {}
    virtual bool OnInitMenu(HMENU) { return false; }
    virtual bool OnInitMenuPopup(HMENU, int /*index*/, bool /*windowMenu*/) { return false; }
    virtual void OnMenuSelect(UINT /*item*/, MENU_FLAG, HMENU) {}
    virtual bool OnCommand(ITEM_ID, MESSAGETYPE, TvGui& /*sender*/) { return false; }
    virtual bool OnMenuCommand(COMMAND_ID) { return false; }
    virtual bool OnAccelerator(COMMAND_ID) { return false; }
    virtual void OnContextMenu(TvGui* /*window*/, int /*x*/, int /*y*/) {}
    virtual HT OnHitTest(int /*x*/, int /*y*/, HT code) { return code; }

    virtual bool OnNonClientMouseLeftDown(HT, int, int) { return false; }
    virtual bool OnNonClientMouseLeftUp(HT, int, int) { return false; }
    virtual bool OnNonClientMouseLeftClick(HT, int, int) { return false; }
    virtual bool OnNonClientMouseLeftDoubleClick(HT, int, int) { return false; }
    virtual bool OnNonClientMouseRightDown(HT, int, int) { return false; }
    virtual bool OnNonClientMouseRightUp(HT, int, int) { return false; }
    virtual bool OnNonClientMouseRightClick(HT, int, int) { return false; }
    virtual bool OnNonClientMouseRightDoubleClick(HT, int, int) { return false; }
    virtual bool OnNonClientMouseMiddleDown(HT, int, int) { return false; }
    virtual bool OnNonClientMouseMiddleUp(HT, int, int) { return false; }
    virtual bool OnNonClientMouseMiddleClick(HT, int, int) { return false; }
    virtual bool OnNonClientMouseMiddleDoubleClick(HT, int, int) { return false; }
    virtual bool OnNonClientMouseOtherButtonDown(HT, int, int) { return false; }
    virtual bool OnNonClientMouseOtherButtonUp(HT, int, int) { return false; }
    virtual bool OnNonClientMouseOtherButtonClick(HT, int, int) { return false; }
    virtual bool OnNonClientMouseOtherButtonDoubleClick(HT, int, int) { return false; }
    virtual void OnNonClientMouseMove(HT, int, int) {}

    virtual void OnEnable(bool) {}
    // The window that lost, or receives, the focus (null when none).
    virtual void OnSetFocus(TvGui* /*losing*/) {}
    virtual void OnKillFocus(TvGui* /*receiving*/) {}
    virtual void OnScroll(DIRECTION, SCROLL, int /*position*/, TvGui* /*scrollBar*/) {}

    virtual void OnMouseMove(MOUSE_KEY, int, int) {}
    virtual void OnMouseEnter(MOUSE_KEY, int, int) {}
    virtual void OnMouseHover(MOUSE_KEY, int, int) {}
    virtual void OnMouseLeave(MOUSE_KEY, int, int) {}
    virtual bool OnMouseLeftDown(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseLeftUp(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseLeftClick(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseLeftDoubleClick(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseRightDown(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseRightUp(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseRightClick(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseRightDoubleClick(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseMiddleDown(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseMiddleUp(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseMiddleClick(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseMiddleDoubleClick(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseWhellDown(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseWhellUp(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseOtherButtonDown(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseOtherButtonUp(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseOtherButtonClick(MOUSE_KEY, int, int) { return false; }
    virtual bool OnMouseOtherButtonDoubleClick(MOUSE_KEY, int, int) { return false; }

    virtual void OnKeyDown(UINT /*key*/, KEYDATA) {}
    virtual void OnKeyRepeat(UINT /*key*/, KEYDATA) {}
    virtual void OnDropFiles(shell::DropFile&) {}
    virtual bool OnPaint(Canvas&, const RECT& /*update*/, bool /*erase*/) { return false; }
    virtual bool OnPrintClient(Canvas&, PRF) { return false; }
    virtual OnEraseBackGroundDg OnEraseBackGround(Canvas&) { return nullptr; }
    virtual void OnTimer(TIMER_ID) {}
    virtual void OnHotKey(HOTKEY_ID, MOD, UINT /*key*/) {}
    virtual LRESULT OnNotify(NMHDR&, ITEM_ID) { return 0; }
    // Any message no other handler takes. Answering true handles it with result as its
    // answer, which comes preset to what a handled message answers (TRUE for
    // WM_QUERYENDSESSION, so that handling it does not refuse the end of the session; else 0).
    virtual bool OnOtherEvent(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) {
        return false;
    }
    virtual void OnDisplayChange(int /*bitsPerPixel*/, int /*width*/, int /*height*/) {}
    // The window moved to a monitor of another DPI, or the monitor's DPI changed; suggested
    // is the rectangle the system proposes for it, in screen coordinates. By default the
    // window follows the DPI (TvGui::followDpi) and takes that rectangle.
    virtual void OnDpiChanged(int dpi, const RECT& suggested);
    virtual void OnChildCreate(TvGui& /*child*/) {}
    virtual void OnChildDestroy(TvGui* /*child*/) {}
    virtual void OnChildMouseLeftDown(POINT, TvGui& /*child*/) {}
    virtual void OnChildMouseRightDown(POINT, TvGui& /*child*/) {}
    virtual void OnChildMouseMiddleDown(POINT, TvGui& /*child*/) {}
    virtual void OnChildMouseOtherButtonDown(POINT, TvGui& /*child*/) {}

protected:
    TvGuiEvent() = default;

private:
    friend class EventRouting;

    // The mouse is being tracked for hover and leave.
    bool HoverFlag = false;
    // Where the last client-area and non-client button presses were; zero once handled.
    TVGUIPOINT ClickPos;
    TVGUIPOINT NonClientClickPos;
};

} // namespace tavrin::tvgui
