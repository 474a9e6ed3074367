#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pumpmessages.h"
#include "tvgui/window/control.h"
#include "tvgui/window/tvwindow.h"

namespace tavrin::tvgui::test {

// A toolkit window that writes down every handler call it gets, with its typed arguments,
// and answers the bool handlers as the test says.
class RecordingWindow final : public TvWindow {
public:
    explicit RecordingWindow(TvGui* owner = nullptr, int width = 320, int height = 240);

    std::vector<std::string> calls;
    // What the bool mouse, command and menu handlers answer.
    bool handled = true;
    bool closeAnswer = true;
    LRESULT notifyAnswer = 0;
    OnEraseBackGroundDg eraser;
    // The flags of every position change, in order.
    std::vector<UINT> positionFlags;
    // The messages OnOtherEvent handles, each with the answer it gives, if any.
    std::map<UINT, std::optional<LRESULT>> otherAnswers;
    // Runs inside OnOtherEvent for the message given, when set.
    UINT hookedMessage = 0;
    std::function<void()> hook;

    // Drops what was written so far.
    void forget() { calls.clear(); }

    void OnCreate() override { calls.push_back("OnCreate"); }
    void OnCreated() override { calls.push_back("OnCreated"); }
    void OnSize(SIZE_TYPE type, int width, int height) override;
    bool OnClose() override;
    void OnDestroy() override;
    bool OnCommand(ITEM_ID id, MESSAGETYPE type, TvGui& sender) override;
    bool OnMenuCommand(COMMAND_ID id) override;
    bool OnAccelerator(COMMAND_ID id) override;
    void OnContextMenu(TvGui* window, int x, int y) override;
    bool OnNonClientMouseLeftDown(HT area, int x, int y) override;
    bool OnNonClientMouseLeftUp(HT area, int x, int y) override;
    bool OnNonClientMouseLeftClick(HT area, int x, int y) override;
    bool OnNonClientMouseOtherButtonDown(HT area, int x, int y) override;
    bool OnNonClientMouseOtherButtonUp(HT area, int x, int y) override;
    bool OnNonClientMouseOtherButtonClick(HT area, int x, int y) override;
    bool OnNonClientMouseOtherButtonDoubleClick(HT area, int x, int y) override;
    void OnScroll(DIRECTION direction, SCROLL code, int position, TvGui* bar) override;
    void OnMouseMove(MOUSE_KEY key, int x, int y) override;
    void OnMouseEnter(MOUSE_KEY key, int x, int y) override;
    void OnMouseLeave(MOUSE_KEY key, int x, int y) override;
    bool OnMouseLeftDown(MOUSE_KEY key, int x, int y) override;
    bool OnMouseLeftUp(MOUSE_KEY key, int x, int y) override;
    bool OnMouseLeftClick(MOUSE_KEY key, int x, int y) override;
    bool OnMouseLeftDoubleClick(MOUSE_KEY key, int x, int y) override;
    bool OnMouseRightDown(MOUSE_KEY key, int x, int y) override;
    bool OnMouseRightUp(MOUSE_KEY key, int x, int y) override;
    bool OnMouseRightClick(MOUSE_KEY key, int x, int y) override;
    bool OnMouseMiddleDown(MOUSE_KEY key, int x, int y) override;
    bool OnMouseMiddleUp(MOUSE_KEY key, int x, int y) override;
    bool OnMouseWhellDown(MOUSE_KEY key, int x, int y) override;
    bool OnMouseWhellUp(MOUSE_KEY key, int x, int y) override;
    bool OnMouseOtherButtonDown(MOUSE_KEY key, int x, int y) override;
    bool OnMouseOtherButtonUp(MOUSE_KEY key, int x, int y) override;
    bool OnMouseOtherButtonClick(MOUSE_KEY key, int x, int y) override;
    void OnKeyDown(UINT key, KEYDATA data) override;
    void OnKeyRepeat(UINT key, KEYDATA data) override;
    bool OnPaint(Canvas& canvas, const RECT& update, bool erase) override;
    OnEraseBackGroundDg OnEraseBackGround(Canvas& canvas) override;
    void OnTimer(TIMER_ID id) override;
    void OnHotKey(HOTKEY_ID id, MOD modifiers, UINT key) override;
    LRESULT OnNotify(NMHDR& header, ITEM_ID id) override;
    bool OnOtherEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnChildCreate(TvGui& child) override;
    void OnChildDestroy(TvGui* child) override;
    void OnChildMouseLeftDown(POINT point, TvGui& child) override;
    void OnSizing(SIDEFLAG edge, RECT& rect) override;
    void OnMoving(SIDEFLAG edge, RECT& rect) override;
    void OnPositionChanging(WINDOWPOS& position) override;
    bool OnMinMax(POINT& maxSize, POINT& maxPosition, POINT& maxTrackSize,
                  POINT& minTrackSize) override;
    void OnEnterSizeMove() override { calls.push_back("OnEnterSizeMove"); }
    void OnExitSizeMove() override { calls.push_back("OnExitSizeMove"); }
    void OnMeasureItem(MEASUREITEMSTRUCT& item) override;
    void OnDrawItem(DRAWITEMSTRUCT& item) override;
    void OnActivate(WINDOW_ACTIVE state, bool minimized, HWND other) override;
    void OnActivateApp(bool active, DWORD threadId) override;
    bool OnInitMenu(HMENU menu) override;
    bool OnInitMenuPopup(HMENU menu, int index, bool windowMenu) override;
    void OnMenuSelect(UINT item, MENU_FLAG flags, HMENU menu) override;
    HT OnHitTest(int x, int y, HT code) override;
    void OnNonClientMouseMove(HT area, int x, int y) override;
    void OnEnable(bool enabled) override;
    void OnSetFocus(TvGui* losing) override;
    void OnMouseHover(MOUSE_KEY key, int x, int y) override;
    void OnDropFiles(shell::DropFile& files) override;
    bool OnPrintClient(Canvas& canvas, PRF flags) override;
    void OnDisplayChange(int bitsPerPixel, int width, int height) override;

    // The object names in calls: "this", "null", or the window handle of another object.
    std::string name(const TvGui* object) const;
};

// A system button made through the toolkit's control base.
class ButtonControl final : public Control {
public:
    ButtonControl(TvGui& owner, ITEM_ID id, int x = 10, int y = 10, int width = 80,
                  int height = 24);
};

} // namespace tavrin::tvgui::test
