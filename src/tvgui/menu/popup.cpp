#include "tvgui/menu/popup.h"

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

namespace {

HMENU createPopUp() {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        throw system::TavrinException("メニュー作成に失敗");
    }
    return menu;
}

} // namespace

PopUp::PopUp() : Menu(createPopUp(), true) {}

int PopUp::show(FLAGS flags, POINT point, HWND window, const std::optional<RECT>& exclude) {
    TPMPARAMS parameters{.cbSize = sizeof(TPMPARAMS), .rcExclude = exclude.value_or(RECT{})};
    return TrackPopupMenuEx(handle, static_cast<UINT>(flags), point.x, point.y, window,
                            exclude ? &parameters : nullptr);
}

int PopUp::showAtCursor(FLAGS flags, HWND window, const std::optional<RECT>& exclude) {
    POINT cursor{};
    GetCursorPos(&cursor);
    return show(flags, cursor, window, exclude);
}

int PopUp::showAttached(FLAGS flags, ATTACH side, HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const POINT at = side == ATTACH::RIGHT ? POINT{frame.right + 1, frame.top}
                                           : POINT{frame.left, frame.bottom + 1};
    return show(flags | FLAGS::RIGHTBUTTON, at, window, frame);
}

} // namespace tavrin::tvgui
