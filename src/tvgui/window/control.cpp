#include "tvgui/window/control.h"

#include <cstdlib>

#include "tvgui/draw/font.h"
#include "tvgui/window/stylepair.h"
#include "tvgui/window/windowclass.h"

namespace tavrin::tvgui {

namespace {

constexpr DWORD controlStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

} // namespace

Control::Control(GUIINFO info) : info_(std::move(info)) {
    createControl();
}

Control::Control(GUIINFO info, Deferred) : info_(std::move(info)) {}

Control::Control(HWND existing) : TvGui(existing) {}

Control::~Control() {
    if (getGuiObject(hwnd()) == this && exists()) {
        destroy();
    }
}

void Control::createControl() {
    if (info_.EventLoop) {
        registerWindowClasses();
    }
    info_.Style |= controlStyle;
    bind(create(info_));
    // The system announces every new child to its parent; a control of a system class is
    // bound only after that announcement went by, so it is made again once bound.
    HWND parent = GetParent(hwnd());
    if (!info_.EventLoop && parent != nullptr) {
        SendMessageW(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, info_.Id),
                     reinterpret_cast<LPARAM>(hwnd()));
    }
}

ITEM_ID Control::id() const {
    return static_cast<ITEM_ID>(GetWindowLongPtrW(hwnd(), GWLP_ID));
}

LONG_PTR Control::id(ITEM_ID value) {
    return SetWindowLongPtrW(hwnd(), GWLP_ID, static_cast<LONG_PTR>(value));
}

TVGUI_STYLE_PAIR(Control, noParentNotify, EXSTYLE, WS_EX_NOPARENTNOTIFY)
TVGUI_STYLE_PAIR(Control, tabStop, STYLE, WS_TABSTOP)
TVGUI_STYLE_PAIR(Control, group, STYLE, WS_GROUP)
TVGUI_STYLE_PAIR(Control, clipSiblings, STYLE, WS_CLIPSIBLINGS)

#undef TVGUI_STYLE_PAIR

POINT Control::position() const {
    const RECT rect = windowRect();
    POINT corner{rect.left, rect.top};
    ScreenToClient(GetParent(hwnd()), &corner);
    return corner;
}

int Control::textHeight() const {
    const std::unique_ptr<Font> own = font();
    const Font shown = own ? Font(own->get(), false) : Font(Font::STOCK::SYSTEM);
    return std::abs(shown.pixelHeight(dpi()));
}

int Control::lineHeight() const {
    return textHeight() + 2 * GetSystemMetricsForDpi(SM_CYEDGE, static_cast<UINT>(dpi()));
}

namespace {

GUIINFO ofToolkitClass(GUIINFO info) {
    if (info.ClassName.empty()) {
        info.ClassName = CONTROL_CLASS;
    }
    info.EventLoop = true;
    return info;
}

} // namespace

TvControl::TvControl(GUIINFO info) : Control(ofToolkitClass(std::move(info)), Deferred{}) {}

} // namespace tavrin::tvgui
