#include "tvgui/window/eventrouting.h"
#include "tvgui/window/deferredmoves.h"

#include <windowsx.h>

#include <shellapi.h>

#include <optional>

#include "shell/dropfile.h"
#include "system/log.h"
#include "system/scopeguard.h"
#include "system/tavrinerrors.h"
#include "tvgui/draw/canvas.h"
#include "tvgui/window/control.h"
#include "tvgui/window/pendingexception.h"
#include "tvgui/window/tvgui.h"
#include "tvgui/window/tvguievent.h"
#include "tvgui/window/tvwindow.h"

namespace tavrin::tvgui {

namespace {

// Signed halves: monitors left of or above the primary one have negative coordinates.
int xOf(LPARAM lParam) noexcept {
    return GET_X_LPARAM(lParam);
}
int yOf(LPARAM lParam) noexcept {
    return GET_Y_LPARAM(lParam);
}

template <typename Key> struct ButtonHandlers {
    bool (TvGuiEvent::*down)(Key, int, int);
    bool (TvGuiEvent::*up)(Key, int, int);
    bool (TvGuiEvent::*click)(Key, int, int);
    bool (TvGuiEvent::*doubleClick)(Key, int, int);
};

constexpr ButtonHandlers<MOUSE_KEY> clientLeft{
    &TvGuiEvent::OnMouseLeftDown, &TvGuiEvent::OnMouseLeftUp, &TvGuiEvent::OnMouseLeftClick,
    &TvGuiEvent::OnMouseLeftDoubleClick};
constexpr ButtonHandlers<MOUSE_KEY> clientRight{
    &TvGuiEvent::OnMouseRightDown, &TvGuiEvent::OnMouseRightUp, &TvGuiEvent::OnMouseRightClick,
    &TvGuiEvent::OnMouseRightDoubleClick};
constexpr ButtonHandlers<MOUSE_KEY> clientMiddle{
    &TvGuiEvent::OnMouseMiddleDown, &TvGuiEvent::OnMouseMiddleUp, &TvGuiEvent::OnMouseMiddleClick,
    &TvGuiEvent::OnMouseMiddleDoubleClick};
constexpr ButtonHandlers<MOUSE_KEY> clientOther{
    &TvGuiEvent::OnMouseOtherButtonDown, &TvGuiEvent::OnMouseOtherButtonUp,
    &TvGuiEvent::OnMouseOtherButtonClick, &TvGuiEvent::OnMouseOtherButtonDoubleClick};

constexpr ButtonHandlers<HT> nonClientLeft{
    &TvGuiEvent::OnNonClientMouseLeftDown, &TvGuiEvent::OnNonClientMouseLeftUp,
    &TvGuiEvent::OnNonClientMouseLeftClick, &TvGuiEvent::OnNonClientMouseLeftDoubleClick};
constexpr ButtonHandlers<HT> nonClientRight{
    &TvGuiEvent::OnNonClientMouseRightDown, &TvGuiEvent::OnNonClientMouseRightUp,
    &TvGuiEvent::OnNonClientMouseRightClick, &TvGuiEvent::OnNonClientMouseRightDoubleClick};
constexpr ButtonHandlers<HT> nonClientMiddle{
    &TvGuiEvent::OnNonClientMouseMiddleDown, &TvGuiEvent::OnNonClientMouseMiddleUp,
    &TvGuiEvent::OnNonClientMouseMiddleClick, &TvGuiEvent::OnNonClientMouseMiddleDoubleClick};
constexpr ButtonHandlers<HT> nonClientOther{&TvGuiEvent::OnNonClientMouseOtherButtonDown,
                                            &TvGuiEvent::OnNonClientMouseOtherButtonUp,
                                            &TvGuiEvent::OnNonClientMouseOtherButtonClick,
                                            &TvGuiEvent::OnNonClientMouseOtherButtonDoubleClick};

enum class Phase { DOWN, UP, DOUBLECLICK };

struct ButtonMessage {
    UINT message;
    Phase phase;
    int button; // 0 left, 1 right, 2 middle, 3 other
};

constexpr ButtonMessage clientButtons[] = {
    {WM_LBUTTONDOWN, Phase::DOWN, 0},
    {WM_LBUTTONUP, Phase::UP, 0},
    {WM_LBUTTONDBLCLK, Phase::DOUBLECLICK, 0},
    {WM_RBUTTONDOWN, Phase::DOWN, 1},
    {WM_RBUTTONUP, Phase::UP, 1},
    {WM_RBUTTONDBLCLK, Phase::DOUBLECLICK, 1},
    {WM_MBUTTONDOWN, Phase::DOWN, 2},
    {WM_MBUTTONUP, Phase::UP, 2},
    {WM_MBUTTONDBLCLK, Phase::DOUBLECLICK, 2},
    {WM_XBUTTONDOWN, Phase::DOWN, 3},
    {WM_XBUTTONUP, Phase::UP, 3},
    {WM_XBUTTONDBLCLK, Phase::DOUBLECLICK, 3},
};
constexpr ButtonMessage nonClientButtons[] = {
    {WM_NCLBUTTONDOWN, Phase::DOWN, 0},
    {WM_NCLBUTTONUP, Phase::UP, 0},
    {WM_NCLBUTTONDBLCLK, Phase::DOUBLECLICK, 0},
    {WM_NCRBUTTONDOWN, Phase::DOWN, 1},
    {WM_NCRBUTTONUP, Phase::UP, 1},
    {WM_NCRBUTTONDBLCLK, Phase::DOUBLECLICK, 1},
    {WM_NCMBUTTONDOWN, Phase::DOWN, 2},
    {WM_NCMBUTTONUP, Phase::UP, 2},
    {WM_NCMBUTTONDBLCLK, Phase::DOUBLECLICK, 2},
    {WM_NCXBUTTONDOWN, Phase::DOWN, 3},
    {WM_NCXBUTTONUP, Phase::UP, 3},
    {WM_NCXBUTTONDBLCLK, Phase::DOUBLECLICK, 3},
};

template <std::size_t N>
const ButtonMessage* findButton(const ButtonMessage (&table)[N], UINT message) noexcept {
    for (const ButtonMessage& entry : table) {
        if (entry.message == message) {
            return &entry;
        }
    }
    return nullptr;
}

const ButtonHandlers<MOUSE_KEY>& clientHandlers(int button) noexcept {
    static constexpr const ButtonHandlers<MOUSE_KEY>* all[] = {&clientLeft, &clientRight,
                                                               &clientMiddle, &clientOther};
    return *all[button];
}

const ButtonHandlers<HT>& nonClientHandlers(int button) noexcept {
    static constexpr const ButtonHandlers<HT>* all[] = {&nonClientLeft, &nonClientRight,
                                                        &nonClientMiddle, &nonClientOther};
    return *all[button];
}

} // namespace

TvGui* EventRouting::creationObject(const CREATESTRUCTW& creation) noexcept {
    auto* candidate = static_cast<TvGui*>(creation.lpCreateParams);
    return candidate != nullptr && TvGui::isLive(candidate) ? candidate : nullptr;
}

bool EventRouting::bind(TvGui& gui, HWND hwnd) noexcept {
    try {
        gui.bind(hwnd);
        return true;
    } catch (const std::exception& failure) {
        system::WriteLog(
            [&] { return std::string("WM_NCCREATE: ") + system::throwableText(failure); });
    } catch (...) {
        system::WriteLog([] { return std::string("WM_NCCREATE: an unknown object was thrown"); });
    }
    return false;
}

LRESULT EventRouting::create(TvGuiEvent& events) noexcept {
    try {
        events.OnCreate();
        events.OnCreated();
        return 0;
    } catch (const std::exception& failure) {
        system::WriteLog(
            [&] { return std::string("WM_CREATE: ") + system::throwableText(failure); });
    } catch (...) {
        system::WriteLog([] { return std::string("WM_CREATE: an unknown object was thrown"); });
    }
    return -1;
}

LRESULT EventRouting::route(TvGui& gui, TvGuiEvent& events, HWND hwnd, UINT message, WPARAM wParam,
                            LPARAM lParam) noexcept {
    LRESULT result = 0;
    try {
        result = dispatch(gui, events, hwnd, message, wParam, lParam);
    } catch (...) {
        keepPendingException(std::current_exception());
    }
    if (message == WM_NCDESTROY) {
        // The window is gone after this message: nothing may reach the object through it.
        gui.unbind();
    }
    return result;
}

LRESULT EventRouting::byDefault(TvGuiEvent& events, HWND hwnd, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    // A handled WM_NCCREATE must still let the creation go on.
    LRESULT result = message == WM_QUERYENDSESSION || message == WM_NCCREATE ? TRUE : 0;
    if (events.OnOtherEvent(message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT EventRouting::dispatch(TvGui& gui, TvGuiEvent& events, HWND hwnd, UINT message,
                               WPARAM wParam, LPARAM lParam) {
    auto handledOrDefault = [&](bool handled) {
        return handled ? 0 : byDefault(events, hwnd, message, wParam, lParam);
    };
    switch (message) {
    case WM_SIZE:
        // A minimised window has no room to lay out, and nothing inside it shows.
        if (LayoutManager* manager = gui.layoutManager();
            manager != nullptr && IsIconic(GetAncestor(hwnd, GA_ROOT)) == FALSE) {
            const DeferredMoves batch;
            manager->onSize(LOWORD(lParam), HIWORD(lParam), gui.dpi());
        }
        events.OnSize(static_cast<SIZE_TYPE>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SIZING:
        events.OnSizing(static_cast<SIDEFLAG>(wParam), *reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_MOVING:
        events.OnMoving(static_cast<SIDEFLAG>(wParam), *reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGING:
        events.OnPositionChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
        return byDefault(events, hwnd, message, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        events.OnPositionChanged(*reinterpret_cast<WINDOWPOS*>(lParam));
        return byDefault(events, hwnd, message, wParam, lParam);
    case WM_GETMINMAXINFO: {
        auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
        return handledOrDefault(events.OnMinMax(info.ptMaxSize, info.ptMaxPosition,
                                                info.ptMaxTrackSize, info.ptMinTrackSize));
    }
    case WM_ENTERSIZEMOVE:
        events.OnEnterSizeMove();
        return byDefault(events, hwnd, message, wParam, lParam);
    case WM_EXITSIZEMOVE:
        events.OnExitSizeMove();
        return byDefault(events, hwnd, message, wParam, lParam);
    case WM_CLOSE:
        if (events.OnClose()) {
            gui.destroy();
        }
        return 0;
    case WM_DESTROY:
        events.OnDestroy();
        return 0;
    case WM_ACTIVATE:
        events.OnActivate(static_cast<WINDOW_ACTIVE>(LOWORD(wParam)), HIWORD(wParam) != 0,
                          reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_ACTIVATEAPP:
        events.OnActivateApp(wParam == 1, static_cast<DWORD>(lParam));
        return 0;
    case WM_MEASUREITEM:
        events.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return 1;
    case WM_DRAWITEM:
        events.OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return 1;
    case WM_INITMENU:
        return handledOrDefault(events.OnInitMenu(reinterpret_cast<HMENU>(wParam)));
    case WM_INITMENUPOPUP:
        return handledOrDefault(events.OnInitMenuPopup(reinterpret_cast<HMENU>(wParam),
                                                       LOWORD(lParam), HIWORD(lParam) != 0));
    case WM_MENUSELECT:
        events.OnMenuSelect(LOWORD(wParam), static_cast<MENU_FLAG>(HIWORD(wParam)),
                            reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_COMMAND: {
        const auto id = LOWORD(wParam);
        const auto type = HIWORD(wParam);
        if (TvGui* sender = TvGui::getGuiObject(reinterpret_cast<HWND>(lParam))) {
            return handledOrDefault(events.OnCommand(static_cast<ITEM_ID>(id),
                                                     static_cast<MESSAGETYPE>(type), *sender));
        }
        switch (static_cast<MESSAGE_TYPE>(type)) {
        case MESSAGE_TYPE::MENU:
            return handledOrDefault(events.OnMenuCommand(static_cast<COMMAND_ID>(id)));
        case MESSAGE_TYPE::ACCELERATOR:
            return handledOrDefault(events.OnAccelerator(static_cast<COMMAND_ID>(id)));
        }
        return byDefault(events, hwnd, message, wParam, lParam);
    }
    case WM_CONTEXTMENU:
        events.OnContextMenu(TvGui::getGuiObject(reinterpret_cast<HWND>(wParam)), xOf(lParam),
                             yOf(lParam));
        return 0;
    case WM_NCHITTEST: {
        const auto code = static_cast<HT>(DefWindowProcW(hwnd, message, wParam, lParam));
        return static_cast<LRESULT>(events.OnHitTest(xOf(lParam), yOf(lParam), code));
    }
    case WM_NCMOUSEMOVE:
        events.OnNonClientMouseMove(static_cast<HT>(wParam), xOf(lParam), yOf(lParam));
        return 0;
    case WM_ENABLE:
        events.OnEnable(wParam != 0);
        return 0;
    case WM_SETFOCUS:
        events.OnSetFocus(TvGui::guiFromHandle(reinterpret_cast<HWND>(wParam)).get());
        return 0;
    case WM_KILLFOCUS:
        events.OnKillFocus(TvGui::guiFromHandle(reinterpret_cast<HWND>(wParam)).get());
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        events.OnScroll(message == WM_HSCROLL ? DIRECTION::HORIZON : DIRECTION::VERTICAL,
                        static_cast<SCROLL>(LOWORD(wParam)), HIWORD(wParam),
                        TvGui::guiFromHandle(reinterpret_cast<HWND>(lParam)).get());
        return 0;
    case WM_MOUSEMOVE:
        return mouseMove(gui, events, wParam, lParam);
    case WM_MOUSEHOVER:
        events.OnMouseHover(static_cast<MOUSE_KEY>(wParam), xOf(lParam), yOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        events.HoverFlag = false;
        events.OnMouseLeave(static_cast<MOUSE_KEY>(wParam), xOf(lParam), yOf(lParam));
        return 0;
    case WM_MOUSEWHEEL: {
        const auto wheelKey = static_cast<MOUSE_KEY>(GET_KEYSTATE_WPARAM(wParam));
        const bool up = GET_WHEEL_DELTA_WPARAM(wParam) > 0;
        return handledOrDefault(up ? events.OnMouseWhellUp(wheelKey, xOf(lParam), yOf(lParam))
                                   : events.OnMouseWhellDown(wheelKey, xOf(lParam), yOf(lParam)));
    }
    case WM_KEYDOWN:
    case WM_KEYUP: {
        const KEYDATA data{static_cast<std::uint32_t>(lParam)};
        if (data.prev()) {
            events.OnKeyRepeat(static_cast<UINT>(wParam), data);
        } else {
            events.OnKeyDown(static_cast<UINT>(wParam), data);
        }
        return 0;
    }
    case WM_DROPFILES:
        dropFiles(events, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_PAINT:
        return paint(gui, events, hwnd, lParam);
    case WM_PRINTCLIENT: {
        Canvas canvas(reinterpret_cast<HDC>(wParam));
        return handledOrDefault(events.OnPrintClient(canvas, static_cast<PRF>(lParam)));
    }
    case WM_ERASEBKGND: {
        Canvas canvas(reinterpret_cast<HDC>(wParam));
        OnEraseBackGroundDg painter = events.OnEraseBackGround(canvas);
        return painter ? painter() : byDefault(events, hwnd, message, wParam, lParam);
    }
    case WM_HOTKEY:
        events.OnHotKey(static_cast<HOTKEY_ID>(wParam), static_cast<MOD>(LOWORD(lParam)),
                        HIWORD(lParam));
        return 0;
    case WM_TIMER:
        events.OnTimer(static_cast<TIMER_ID>(wParam));
        return 0;
    case WM_NOTIFY: {
        const LRESULT answer =
            events.OnNotify(*reinterpret_cast<NMHDR*>(lParam), static_cast<ITEM_ID>(wParam));
        return answer != 0 ? answer : byDefault(events, hwnd, message, wParam, lParam);
    }
    case WM_DPICHANGED: {
        // A sender that proposes no rectangle leaves the window where it is.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        events.OnDpiChanged(LOWORD(wParam), suggested != nullptr ? *suggested : gui.windowRect());
        return 0;
    }
    case WM_DISPLAYCHANGE:
        events.OnDisplayChange(static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
        return byDefault(events, hwnd, message, wParam, lParam);
    case WM_PARENTNOTIFY:
        return childEvent(gui, events, hwnd, wParam, lParam);
    default:
        break;
    }
    if (isClientButton(message)) {
        return clientButton(gui, events, hwnd, message, wParam, lParam);
    }
    if (isNonClientButton(message)) {
        return nonClientButton(events, hwnd, message, wParam, lParam);
    }
    return byDefault(events, hwnd, message, wParam, lParam);
}

LRESULT EventRouting::mouseMove(TvGui& gui, TvGuiEvent& events, WPARAM wParam, LPARAM lParam) {
    const auto key = static_cast<MOUSE_KEY>(wParam);
    if (!events.HoverFlag) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_HOVER, gui.hwnd(), HOVER_DEFAULT};
        if (TrackMouseEvent(&track) == FALSE) {
            throw system::TavrinException("WM_MOUSEMOVEイベントでミス");
        }
        events.HoverFlag = true;
        events.OnMouseEnter(key, xOf(lParam), yOf(lParam));
    }
    events.OnMouseMove(key, xOf(lParam), yOf(lParam));
    return 0;
}

void EventRouting::dropFiles(TvGuiEvent& events, HDROP drop) {
    std::optional<shell::DropFile> dropped;
    try {
        dropped.emplace(drop, true);
    } catch (const system::DropFileException& unreadable) {
        // A drop on the caption or frame, or one whose paths cannot be read, is the user's
        // gesture and no fault: the drop is finished already and nothing else happens.
        system::WriteLog([&] { return std::string("WM_DROPFILES: ") + unreadable.what(); });
        return;
    }
    events.OnDropFiles(*dropped);
}

LRESULT EventRouting::childEvent(TvGui& gui, TvGuiEvent& events, HWND hwnd, WPARAM wParam,
                                 LPARAM lParam) {
    const UINT event = LOWORD(wParam);
    switch (event) {
    case WM_CREATE:
        if (TvGui* child = TvGui::getGuiObject(reinterpret_cast<HWND>(lParam))) {
            events.OnChildCreate(*child);
        }
        break;
    case WM_DESTROY:
        events.OnChildDestroy(TvGui::getGuiObject(reinterpret_cast<HWND>(lParam)));
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN: {
        const POINT point{xOf(lParam), yOf(lParam)};
        TvGui* child = gui.childAt(point);
        if (child != nullptr && child != &gui) {
            void (TvGuiEvent::*handler)(POINT, TvGui&) =
                event == WM_LBUTTONDOWN   ? &TvGuiEvent::OnChildMouseLeftDown
                : event == WM_RBUTTONDOWN ? &TvGuiEvent::OnChildMouseRightDown
                : event == WM_MBUTTONDOWN ? &TvGuiEvent::OnChildMouseMiddleDown
                                          : &TvGuiEvent::OnChildMouseOtherButtonDown;
            (events.*handler)(point, *child);
        }
        break;
    }
    default:
        break;
    }
    return byDefault(events, hwnd, WM_PARENTNOTIFY, wParam, lParam);
}

LRESULT EventRouting::paint(TvGui& gui, TvGuiEvent& events, HWND hwnd, LPARAM lParam) {
    PAINTSTRUCT paintInfo{};
    bool handled = false;
    {
        std::unique_ptr<Canvas> canvas = gui.beguinPaint(paintInfo);
        struct PaintEnd {
            TvGui& gui;
            PAINTSTRUCT& info;
            ~PaintEnd() { gui.endPaint(info); }
        } end{gui, paintInfo};
        handled = events.OnPaint(*canvas, paintInfo.rcPaint, paintInfo.fErase == 1);
    }
    return handled ? 0 : byDefault(events, hwnd, WM_PAINT, 0, lParam);
}

bool EventRouting::isClientButton(UINT message) noexcept {
    return findButton(clientButtons, message) != nullptr;
}

bool EventRouting::isNonClientButton(UINT message) noexcept {
    return findButton(nonClientButtons, message) != nullptr;
}

LRESULT EventRouting::clientButton(TvGui& gui, TvGuiEvent& events, HWND hwnd, UINT message,
                                   WPARAM wParam, LPARAM lParam) {
    const ButtonMessage& button = *findButton(clientButtons, message);
    const ButtonHandlers<MOUSE_KEY>& handlers = clientHandlers(button.button);
    const auto key = static_cast<MOUSE_KEY>(LOWORD(wParam));
    const int x = xOf(lParam);
    const int y = yOf(lParam);
    bool handled = false;
    switch (button.phase) {
    case Phase::DOWN:
        SetCapture(gui.hwnd());
        events.ClickPos = TVGUIPOINT::of(lParam);
        handled = (events.*handlers.down)(key, x, y);
        break;
    case Phase::UP: {
        // Gives the capture back however the button-release handling ends.
        const system::ScopeGuard release([] { ReleaseCapture(); });
        if (events.ClickPos == TVGUIPOINT::of(lParam)) {
            (events.*handlers.click)(key, x, y);
        }
        handled = (events.*handlers.up)(key, x, y);
        if (handled) {
            events.ClickPos = {};
        }
        break;
    }
    case Phase::DOUBLECLICK:
        handled = (events.*handlers.doubleClick)(key, x, y);
        break;
    }
    return handled ? 0 : byDefault(events, hwnd, message, wParam, lParam);
}

LRESULT EventRouting::nonClientButton(TvGuiEvent& events, HWND hwnd, UINT message, WPARAM wParam,
                                      LPARAM lParam) {
    const ButtonMessage& button = *findButton(nonClientButtons, message);
    const ButtonHandlers<HT>& handlers = nonClientHandlers(button.button);
    // The extra buttons carry which button it was in the high word.
    const auto area = static_cast<HT>(LOWORD(wParam));
    const int x = xOf(lParam);
    const int y = yOf(lParam);
    bool handled = false;
    switch (button.phase) {
    case Phase::DOWN:
        events.NonClientClickPos = TVGUIPOINT::of(lParam);
        handled = (events.*handlers.down)(area, x, y);
        break;
    case Phase::UP:
        if (events.NonClientClickPos == TVGUIPOINT::of(lParam)) {
            (events.*handlers.click)(area, x, y);
        }
        handled = (events.*handlers.up)(area, x, y);
        if (handled) {
            events.NonClientClickPos = {};
        }
        break;
    case Phase::DOUBLECLICK:
        handled = (events.*handlers.doubleClick)(area, x, y);
        break;
    }
    return handled ? 0 : byDefault(events, hwnd, message, wParam, lParam);
}

template <class Family>
LRESULT CALLBACK EventLoopFunc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        // Bound at the first message that carries the object, so that the frame's creation
        // messages reach the handlers too.
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* object = dynamic_cast<Family*>(EventRouting::creationObject(*creation));
        if (object == nullptr) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        if (!EventRouting::bind(*object, hwnd)) {
            return FALSE;
        }
    }
    auto* object = dynamic_cast<Family*>(TvGui::getGuiObject(hwnd));
    if (object == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_CREATE) {
        return EventRouting::create(*object);
    }
    return EventRouting::route(*object, *object, hwnd, message, wParam, lParam);
}

template LRESULT CALLBACK EventLoopFunc<TvWindow>(HWND, UINT, WPARAM, LPARAM) noexcept;
template LRESULT CALLBACK EventLoopFunc<Control>(HWND, UINT, WPARAM, LPARAM) noexcept;

} // namespace tavrin::tvgui
