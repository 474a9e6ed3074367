#include "gui/control/titlebar.h"

#include <windowsx.h>

#include "system/scopeguard.h"
#include "system/tavrinerrors.h"

namespace tavrin::gui {

TitleBar::TitleBar(tvgui::ITEM_ID id, tvgui::TvGui& owner) : Push(id, owner), subClass_(*this) {
    ownerDraw(true);
    // A strip that stands for a caption takes no keyboard focus.
    tabStop(false);
    subClass_.subclass();
}

void TitleBar::position(POSITION where) {
    position_ = where;
    fitToOwner();
    invalidate(false);
}

HWND TitleBar::ownerWindow() const {
    return GetParent(hwnd());
}

void TitleBar::dragOwner(LPARAM point) {
    SendMessageW(ownerWindow(), WM_NCLBUTTONDOWN, HTCAPTION, point);
}

void TitleBar::fill(HDC dc, const RECT& area, bool active) const {
    FillRect(dc, &area, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}

void TitleBar::drawItem(const DRAWITEMSTRUCT& item) {
    RECT area{};
    GetClientRect(hwnd(), &area);
    fill(item.hDC, area, GetActiveWindow() == ownerWindow());
}

// Painted at once with the state given: while the owner is being deactivated, the system
// may still name it the active window.
void TitleBar::setActive(bool active) {
    HDC dc = GetDC(hwnd());
    if (dc == nullptr) {
        return;
    }
    const system::ScopeGuard release([&] { ReleaseDC(hwnd(), dc); });
    RECT area{};
    GetClientRect(hwnd(), &area);
    fill(dc, area, active);
}

void TitleBar::fitToOwner() {
    RECT client{};
    if (GetClientRect(ownerWindow(), &client) == FALSE) {
        throw system::TavrinGuiException("sizeTune:OwnerWnd.clientSize");
    }
    const int strip = thickness();
    if (isVertical()) {
        move(0, 0, strip, client.bottom, true);
    } else {
        move(0, 0, client.right, strip, true);
    }
}

bool TitleBar::isVertical() const {
    return position_ == POSITION::VERTICAL;
}

int TitleBar::thickness() const {
    const int metric = isVertical() ? SM_CXVSCROLL : SM_CYVSCROLL;
    return GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi())) / 2;
}

// The caption press is given in screen coordinates, as the owner's move loop reads it.
bool TitleBar::OnMouseLeftDown(tvgui::MOUSE_KEY /*key*/, int x, int y) {
    ReleaseCapture();
    POINT press{x, y};
    ClientToScreen(hwnd(), &press);
    dragOwner(MAKELPARAM(static_cast<WORD>(press.x), static_cast<WORD>(press.y)));
    return true;
}

LRESULT TitleBar::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN && OnMouseLeftDown(static_cast<tvgui::MOUSE_KEY>(LOWORD(wParam)),
                                                     GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
        return 0;
    }
    return subClass_.callOriginal(hwnd, message, wParam, lParam);
}

TavrinTitleBar::TavrinTitleBar(tvgui::ITEM_ID id, tvgui::TvGui& owner) : TitleBar(id, owner) {}

LRESULT TavrinTitleBar::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The release ends the press that asked for the button list, shown or not (an empty
    // sub-group has none): left to the system, it would ask the owner for its context menu.
    if (message == WM_RBUTTONUP) {
        return 0;
    }
    if (message != WM_RBUTTONDOWN) {
        return TitleBar::procedure(hwnd, message, wParam, lParam);
    }
    SetCapture(hwnd);
    // The owner's menu is over when the message returns; a capture kept after it would
    // swallow the next click anywhere else.
    const system::ScopeGuard release([hwnd] {
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
    });
    SendMessageW(GetParent(hwnd), BUTTON_LIST_MESSAGE, 0, 0);
    return 0;
}

} // namespace tavrin::gui
