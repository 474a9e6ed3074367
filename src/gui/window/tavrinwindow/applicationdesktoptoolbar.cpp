#include "gui/window/tavrinwindow/applicationdesktoptoolbar.h"

#include "system/log.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

ApplicationDesktopToolBar::ApplicationDesktopToolBar(tvgui::TvGui& window, UINT callbackMessage)
    : window_(window), callbackMessage_(callbackMessage) {
    alive = true;
    APPBARDATA data = record();
    data.uCallbackMessage = callbackMessage_;
    // A refusal leaves a window that is placed on its edge all the same, only not kept clear.
    SHAppBarMessage(ABM_NEW, &data);
}

ApplicationDesktopToolBar::~ApplicationDesktopToolBar() {
    releaseAtEnd(system::logRefusedRelease);
}

APPBARDATA ApplicationDesktopToolBar::record() const noexcept {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = window_.hwnd();
    return data;
}

RECT ApplicationDesktopToolBar::cutToThickness(RECT rect, ABE edge, SIZE thickness) noexcept {
    switch (edge) {
    case ABE::LEFT:
        rect.right = rect.left + thickness.cx;
        break;
    case ABE::TOP:
        rect.bottom = rect.top + thickness.cy;
        break;
    case ABE::RIGHT:
        rect.left = rect.right - thickness.cx;
        break;
    case ABE::BOTTOM:
        rect.top = rect.bottom - thickness.cy;
        break;
    }
    return rect;
}

void ApplicationDesktopToolBar::dock(ABE edge) {
    edge_ = edge;
    const SIZE thickness = window_.windowSize();
    APPBARDATA data = record();
    data.uEdge = static_cast<UINT>(edge);
    data.rc = cutToThickness({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                             edge, thickness);
    SHAppBarMessage(ABM_QUERYPOS, &data);
    // The shell moves the sides that would overlap other bars, the edge's own side among
    // them: the band is cut again from there so that the bar keeps its thickness.
    data.rc = cutToThickness(data.rc, edge, thickness);
    SHAppBarMessage(ABM_SETPOS, &data);
    window_.move(data.rc.left, data.rc.top, data.rc.right - data.rc.left,
                 data.rc.bottom - data.rc.top, true);
}

void ApplicationDesktopToolBar::activate() {
    APPBARDATA data = record();
    SHAppBarMessage(ABM_ACTIVATE, &data);
}

void ApplicationDesktopToolBar::positionChanged() {
    APPBARDATA data = record();
    SHAppBarMessage(ABM_WINDOWPOSCHANGED, &data);
}

void ApplicationDesktopToolBar::release() {
    APPBARDATA data = record();
    if (!SHAppBarMessage(ABM_REMOVE, &data)) {
        raiseReleaseFailure("SHAppBarMessage");
    }
}

} // namespace tavrin::gui
