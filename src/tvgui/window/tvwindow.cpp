#include "tvgui/window/tvwindow.h"

#include "tvgui/window/windowclass.h"

namespace tavrin::tvgui {

TvWindow::TvWindow(DWORD exStyle, DWORD style, TvGui* owner) {
    info_.ExStyle = exStyle;
    info_.Style = style;
    info_.Owner = owner;
    info_.ClassName = WINDOW_CLASS;
    info_.EventLoop = true;
    info_.ExStyle |= WS_EX_CONTROLPARENT;
    info_.Style |= WS_POPUP | WS_CLIPCHILDREN;
}

TvWindow::~TvWindow() {
    if (getGuiObject(hwnd()) == this && exists()) {
        destroy();
    }
}

void TvWindow::createWindow() {
    registerWindowClasses();
    bind(create(info_));
}

} // namespace tavrin::tvgui
