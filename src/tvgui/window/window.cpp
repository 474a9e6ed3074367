#include "tvgui/window/window.h"

#include <algorithm>

#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

std::shared_ptr<TvGui> Window::windowFromHandle(HWND handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    if (auto* bound = dynamic_cast<Window*>(getGuiObject(handle))) {
        return std::shared_ptr<TvGui>(std::shared_ptr<TvGui>(), bound);
    }
    return std::make_shared<OtherWindow>(handle);
}

std::shared_ptr<TvGui> Window::find(std::string_view className, std::string_view title) {
    return windowFromHandle(
        FindWindowW(system::toWide(className).c_str(), system::toWide(title).c_str()));
}

TVGUI_STYLE_PAIR(Window, contextHelp, EXSTYLE, WS_EX_CONTEXTHELP)
TVGUI_STYLE_PAIR(Window, appWindow, EXSTYLE, WS_EX_APPWINDOW)
TVGUI_STYLE_PAIR(Window, controlParent, EXSTYLE, WS_EX_CONTROLPARENT)
TVGUI_STYLE_PAIR(Window, caption, STYLE, WS_CAPTION)
TVGUI_STYLE_PAIR(Window, clipChildren, STYLE, WS_CLIPCHILDREN)
TVGUI_STYLE_PAIR(Window, systemMenu, STYLE, WS_SYSMENU)
TVGUI_STYLE_PAIR(Window, frameDialog, STYLE, WS_DLGFRAME)
TVGUI_STYLE_PAIR(Window, thickFrame, STYLE, WS_THICKFRAME)
TVGUI_STYLE_PAIR(Window, sizeBox, STYLE, WS_SIZEBOX)
TVGUI_STYLE_PAIR(Window, maximizeBox, STYLE, WS_MAXIMIZEBOX)
TVGUI_STYLE_PAIR(Window, minimizeBox, STYLE, WS_MINIMIZEBOX)

#undef TVGUI_STYLE_PAIR

bool Window::isMinimized() const {
    return IsIconic(hwnd()) != FALSE;
}

bool Window::restore() {
    return OpenIcon(hwnd()) != FALSE;
}

bool Window::minimize() {
    return CloseWindow(hwnd()) != FALSE;
}

bool Window::isMaximized() const {
    return IsZoomed(hwnd()) != FALSE;
}

bool Window::isShown() const {
    return IsWindowVisible(hwnd()) != FALSE;
}

std::shared_ptr<TvGui> Window::activate() {
    return windowFromHandle(SetActiveWindow(hwnd()));
}

bool Window::center(CENTER on, const TvGui* other) {
    const SIZE own = windowSize();
    RECT area{};
    switch (on) {
    case CENTER::SCREEN: {
        RECT desktop{};
        GetWindowRect(GetDesktopWindow(), &desktop);
        return move(desktop.right / 2 - own.cx / 2, desktop.bottom / 2 - own.cy / 2, own.cx, own.cy,
                    true);
    }
    case CENTER::WORKAREA:
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        break;
    case CENTER::WINDOW:
        if (other == nullptr) {
            throw system::WindowError("center: no window to centre on");
        }
        area = other->windowRect();
        break;
    }
    int x = (area.right - area.left) / 2 + area.left - own.cx / 2;
    int y = (area.bottom - area.top) / 2 + area.top - own.cy / 2;
    if (on == CENTER::WINDOW) {
        // Over a small window near a screen edge the centre would put the caption off the
        // screen, out of the user's reach: keep the window inside the work area.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (GetMonitorInfoW(MonitorFromWindow(other->hwnd(), MONITOR_DEFAULTTONEAREST), &monitor)) {
            const RECT& work = monitor.rcWork;
            x = std::max(std::min(x, static_cast<int>(work.right - own.cx)),
                         static_cast<int>(work.left));
            y = std::max(std::min(y, static_cast<int>(work.bottom - own.cy)),
                         static_cast<int>(work.top));
        }
    }
    return move(x, y, own.cx, own.cy, true);
}

bool Window::setClientSize(int width, int height) {
    RECT frame{0, 0, width, height};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE));
    const BOOL hasMenu = GetMenu(hwnd()) != nullptr ? TRUE : FALSE;
    if (AdjustWindowRectEx(&frame, style, hasMenu, exStyle) == FALSE) {
        throw system::WindowException("AdjustWindowRectEx");
    }
    const RECT now = windowRect();
    // A pane is placed in its parent's client coordinates, not the screen's.
    POINT corner{now.left, now.top};
    if (HWND above = GetAncestor(hwnd(), GA_PARENT); above != GetDesktopWindow()) {
        MapWindowPoints(nullptr, above, &corner, 1);
    }
    return move(corner.x, corner.y, frame.right - frame.left, frame.bottom - frame.top, true);
}

bool Window::setClientSize(SIZE extent) {
    return setClientSize(extent.cx, extent.cy);
}

} // namespace tavrin::tvgui
