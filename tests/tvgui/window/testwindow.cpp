#include "testwindow.h"

#include <cstdint>
#include <cstdio>

#include "shell/dropfile.h"

namespace tavrin::tvgui::test {

namespace {

template <typename... Values> std::string call(const char* name, Values... values) {
    std::string text = std::string(name) + "(";
    bool first = true;
    for (long long value : {static_cast<long long>(values)...}) {
        text += (first ? "" : ",") + std::to_string(value);
        first = false;
    }
    return text + ")";
}

GUIINFO buttonInfo(TvGui& owner, ITEM_ID id, int x, int y, int width, int height) {
    GUIINFO info;
    info.ClassName = "BUTTON";
    info.Owner = &owner;
    info.Id = static_cast<std::uintptr_t>(id);
    info.x = x;
    info.y = y;
    info.width = width;
    info.height = height;
    return info;
}

} // namespace

RecordingWindow::RecordingWindow(TvGui* owner, int width, int height)
    : TvWindow(0, WS_CAPTION | WS_SYSMENU, owner) {
    creationInfo().x = 50;
    creationInfo().y = 50;
    creationInfo().width = width;
    creationInfo().height = height;
    createWindow();
}

std::string RecordingWindow::name(const TvGui* object) const {
    if (object == nullptr) {
        return "null";
    }
    if (object == this) {
        return "this";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%p", static_cast<void*>(object->hwnd()));
    return text;
}

void RecordingWindow::OnSize(SIZE_TYPE type, int width, int height) {
    calls.push_back(call("OnSize", static_cast<int>(type), width, height));
}

bool RecordingWindow::OnClose() {
    calls.push_back("OnClose");
    return closeAnswer;
}

void RecordingWindow::OnDestroy() {
    calls.push_back("OnDestroy");
    TvWindow::OnDestroy();
}

bool RecordingWindow::OnCommand(ITEM_ID id, MESSAGETYPE type, TvGui& sender) {
    calls.push_back(call("OnCommand", static_cast<int>(id), static_cast<int>(type)) + " from " +
                    name(&sender));
    return handled;
}

bool RecordingWindow::OnMenuCommand(COMMAND_ID id) {
    calls.push_back(call("OnMenuCommand", static_cast<int>(id)));
    return handled;
}

bool RecordingWindow::OnAccelerator(COMMAND_ID id) {
    calls.push_back(call("OnAccelerator", static_cast<int>(id)));
    return handled;
}

void RecordingWindow::OnContextMenu(TvGui* window, int x, int y) {
    calls.push_back(call("OnContextMenu", x, y) + " on " + name(window));
}

bool RecordingWindow::OnNonClientMouseLeftDown(HT area, int x, int y) {
    calls.push_back(call("OnNonClientMouseLeftDown", static_cast<int>(area), x, y));
    return handled;
}

bool RecordingWindow::OnNonClientMouseLeftUp(HT area, int x, int y) {
    calls.push_back(call("OnNonClientMouseLeftUp", static_cast<int>(area), x, y));
    return handled;
}

bool RecordingWindow::OnNonClientMouseLeftClick(HT area, int x, int y) {
    calls.push_back(call("OnNonClientMouseLeftClick", static_cast<int>(area), x, y));
    return handled;
}

bool RecordingWindow::OnNonClientMouseOtherButtonDown(HT area, int x, int y) {
    calls.push_back(call("OnNonClientMouseOtherButtonDown", static_cast<int>(area), x, y));
    return handled;
}

bool RecordingWindow::OnNonClientMouseOtherButtonUp(HT area, int x, int y) {
    calls.push_back(call("OnNonClientMouseOtherButtonUp", static_cast<int>(area), x, y));
    return handled;
}

bool RecordingWindow::OnNonClientMouseOtherButtonClick(HT area, int x, int y) {
    calls.push_back(call("OnNonClientMouseOtherButtonClick", static_cast<int>(area), x, y));
    return handled;
}

bool RecordingWindow::OnNonClientMouseOtherButtonDoubleClick(HT area, int x, int y) {
    calls.push_back(call("OnNonClientMouseOtherButtonDoubleClick", static_cast<int>(area), x, y));
    return handled;
}

void RecordingWindow::OnScroll(DIRECTION direction, SCROLL code, int position, TvGui* bar) {
    calls.push_back(
        call("OnScroll", static_cast<int>(direction), static_cast<int>(code), position) + " bar " +
        name(bar));
}

void RecordingWindow::OnMouseMove(MOUSE_KEY key, int x, int y) {
    calls.push_back(call("OnMouseMove", static_cast<int>(key), x, y));
}

void RecordingWindow::OnMouseEnter(MOUSE_KEY key, int x, int y) {
    calls.push_back(call("OnMouseEnter", static_cast<int>(key), x, y));
}

void RecordingWindow::OnMouseLeave(MOUSE_KEY key, int x, int y) {
    calls.push_back(call("OnMouseLeave", static_cast<int>(key), x, y));
}

#define RECORDING_MOUSE_HANDLER(NAME)                                                              \
    bool RecordingWindow::NAME(MOUSE_KEY key, int x, int y) {                                      \
        calls.push_back(call(#NAME, static_cast<int>(key), x, y));                                 \
        return handled;                                                                            \
    }

RECORDING_MOUSE_HANDLER(OnMouseLeftDown)
RECORDING_MOUSE_HANDLER(OnMouseLeftUp)
RECORDING_MOUSE_HANDLER(OnMouseLeftClick)
RECORDING_MOUSE_HANDLER(OnMouseLeftDoubleClick)
RECORDING_MOUSE_HANDLER(OnMouseRightDown)
RECORDING_MOUSE_HANDLER(OnMouseRightUp)
RECORDING_MOUSE_HANDLER(OnMouseRightClick)
RECORDING_MOUSE_HANDLER(OnMouseMiddleDown)
RECORDING_MOUSE_HANDLER(OnMouseMiddleUp)
RECORDING_MOUSE_HANDLER(OnMouseWhellDown)
RECORDING_MOUSE_HANDLER(OnMouseWhellUp)
RECORDING_MOUSE_HANDLER(OnMouseOtherButtonDown)
RECORDING_MOUSE_HANDLER(OnMouseOtherButtonUp)
RECORDING_MOUSE_HANDLER(OnMouseOtherButtonClick)

#undef RECORDING_MOUSE_HANDLER

void RecordingWindow::OnKeyDown(UINT key, KEYDATA data) {
    calls.push_back(call("OnKeyDown", key, data.count(), data.prev()));
}

void RecordingWindow::OnKeyRepeat(UINT key, KEYDATA data) {
    calls.push_back(call("OnKeyRepeat", key, data.count(), data.prev()));
}

bool RecordingWindow::OnPaint(Canvas&, const RECT& update, bool) {
    calls.push_back(call("OnPaint", update.left, update.top, update.right, update.bottom));
    return handled;
}

OnEraseBackGroundDg RecordingWindow::OnEraseBackGround(Canvas&) {
    calls.push_back("OnEraseBackGround");
    return eraser;
}

void RecordingWindow::OnTimer(TIMER_ID id) {
    calls.push_back(call("OnTimer", static_cast<long long>(id)));
}

void RecordingWindow::OnHotKey(HOTKEY_ID id, MOD modifiers, UINT key) {
    calls.push_back(call("OnHotKey", static_cast<int>(id), static_cast<int>(modifiers), key));
}

LRESULT RecordingWindow::OnNotify(NMHDR& header, ITEM_ID id) {
    calls.push_back(call("OnNotify", static_cast<int>(header.code), static_cast<int>(id)));
    return notifyAnswer;
}

bool RecordingWindow::OnOtherEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND || message == WM_NOTIFY || message == WM_NCCREATE ||
        message == WM_NCCALCSIZE || message >= WM_USER) {
        calls.push_back(call("OnOtherEvent", message, wParam, lParam));
    }
    if (hook && message == hookedMessage) {
        hook();
    }
    const auto answer = otherAnswers.find(message);
    if (answer == otherAnswers.end()) {
        return false;
    }
    if (answer->second) {
        result = *answer->second;
    }
    return true;
}

void RecordingWindow::OnChildCreate(TvGui& child) {
    calls.push_back("OnChildCreate " + name(&child));
}

void RecordingWindow::OnChildDestroy(TvGui* child) {
    calls.push_back("OnChildDestroy " + name(child));
}

void RecordingWindow::OnChildMouseLeftDown(POINT point, TvGui& child) {
    calls.push_back(call("OnChildMouseLeftDown", point.x, point.y) + " on " + name(&child));
}

void RecordingWindow::OnSizing(SIDEFLAG edge, RECT& rect) {
    calls.push_back(call("OnSizing", static_cast<int>(edge), rect.left, rect.right));
    rect.right = rect.left + 100;
}

void RecordingWindow::OnMoving(SIDEFLAG edge, RECT& rect) {
    calls.push_back(call("OnMoving", static_cast<int>(edge), rect.top, rect.bottom));
}

void RecordingWindow::OnPositionChanging(WINDOWPOS& position) {
    calls.push_back(call("OnPositionChanging", position.x, position.y));
    positionFlags.push_back(position.flags);
}

bool RecordingWindow::OnMinMax(POINT& maxSize, POINT&, POINT&, POINT& minTrackSize) {
    calls.push_back(call("OnMinMax", maxSize.x, minTrackSize.x));
    minTrackSize.x = 123;
    return handled;
}

void RecordingWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    calls.push_back(call("OnMeasureItem", item.itemID));
    item.itemHeight = 19;
}

void RecordingWindow::OnDrawItem(DRAWITEMSTRUCT& item) {
    calls.push_back(call("OnDrawItem", item.itemID));
}

void RecordingWindow::OnActivate(WINDOW_ACTIVE state, bool minimized, HWND other) {
    calls.push_back(call("OnActivate", static_cast<int>(state), minimized,
                         reinterpret_cast<std::intptr_t>(other)));
}

void RecordingWindow::OnActivateApp(bool active, DWORD threadId) {
    calls.push_back(call("OnActivateApp", active, threadId));
}

bool RecordingWindow::OnInitMenu(HMENU menu) {
    calls.push_back(call("OnInitMenu", reinterpret_cast<std::intptr_t>(menu)));
    return handled;
}

bool RecordingWindow::OnInitMenuPopup(HMENU menu, int index, bool windowMenu) {
    calls.push_back(
        call("OnInitMenuPopup", reinterpret_cast<std::intptr_t>(menu), index, windowMenu));
    return handled;
}

void RecordingWindow::OnMenuSelect(UINT item, MENU_FLAG flags, HMENU menu) {
    calls.push_back(
        call("OnMenuSelect", item, static_cast<int>(flags), reinterpret_cast<std::intptr_t>(menu)));
}

HT RecordingWindow::OnHitTest(int x, int y, HT code) {
    calls.push_back(call("OnHitTest", x, y, static_cast<int>(code)));
    return code == HT::CLIENT ? HT::CAPTION : code;
}

void RecordingWindow::OnNonClientMouseMove(HT area, int x, int y) {
    calls.push_back(call("OnNonClientMouseMove", static_cast<int>(area), x, y));
}

void RecordingWindow::OnEnable(bool enabled) {
    calls.push_back(call("OnEnable", enabled));
}

void RecordingWindow::OnSetFocus(TvGui* losing) {
    calls.push_back("OnSetFocus from " + name(losing));
}

void RecordingWindow::OnMouseHover(MOUSE_KEY key, int x, int y) {
    calls.push_back(call("OnMouseHover", static_cast<int>(key), x, y));
}

void RecordingWindow::OnDropFiles(shell::DropFile& files) {
    calls.push_back("OnDropFiles " + files.file(0));
}

bool RecordingWindow::OnPrintClient(Canvas&, PRF flags) {
    calls.push_back(call("OnPrintClient", static_cast<int>(flags)));
    return handled;
}

void RecordingWindow::OnDisplayChange(int bitsPerPixel, int width, int height) {
    calls.push_back(call("OnDisplayChange", bitsPerPixel, width, height));
}

ButtonControl::ButtonControl(TvGui& owner, ITEM_ID id, int x, int y, int width, int height)
    : Control(buttonInfo(owner, id, x, y, width, height)) {}

} // namespace tavrin::tvgui::test
