#include "tvgui/control/groupbox.h"

#include "tvgui/control/controlsetup.h"

namespace tavrin::tvgui {

GroupBox::GroupLayout::GroupLayout(const Insets& frame)
    : LayoutManager(0, 0, 0, 0), frame_(frame) {}

Rect GroupBox::GroupLayout::inner(const Rect& box) const {
    const Box margined = margins(toBox(box));
    return toRect({margined.left + frame_.left, margined.top + frame_.top,
                   margined.right - frame_.right, margined.bottom - frame_.bottom});
}

void GroupBox::GroupLayout::onBox(const Rect& box, int dpi) {
    layout(box, dpi);
}

void GroupBox::GroupLayout::arrange(const Rect& box) {
    LayoutManager::arrange(inner(box));
}

GroupBox::GroupBox(ITEM_ID id, TvGui& owner)
    : Button(controlInfo(id, owner, BS_GROUPBOX)), groupLayout_(frame()), subClass_(*this) {
    subClass_.subclass();
}

Insets GroupBox::frame() const {
    const auto resolution = static_cast<UINT>(dpi());
    const int edgeX = GetSystemMetricsForDpi(SM_CXEDGE, resolution);
    const int edgeY = GetSystemMetricsForDpi(SM_CYEDGE, resolution);
    return {edgeX, textHeight(), edgeX, edgeY};
}

LRESULT GroupBox::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        eraseInside(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SIZE:
    case WM_MOVE:
        layOutInside();
        break;
    case WM_SETFONT: {
        // A new caption font (one for another DPI, say) moves the top of the inner area.
        const LRESULT result = subClass_.callOriginal(hwnd, message, wParam, lParam);
        layOutInside();
        return result;
    }
    default:
        break;
    }
    return subClass_.callOriginal(hwnd, message, wParam, lParam);
}

void GroupBox::eraseInside(HDC dc) const {
    // The frame's class paints only its edge and caption, and its parent clips its children,
    // so nobody else paints the inside: it is painted here in the parent's colour for
    // labels, around the siblings it frames, which erasing must not wipe.
    const HWND parent = GetParent(hwnd());
    const int saved = SaveDC(dc);
    for (HWND sibling = GetWindow(hwnd(), GW_HWNDFIRST); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        // The style, not IsWindowVisible: a parent not shown yet still gets painted later.
        if (sibling == hwnd() || (GetWindowLongPtrW(sibling, GWL_STYLE) & WS_VISIBLE) == 0) {
            continue;
        }
        RECT covered{};
        GetWindowRect(sibling, &covered);
        MapWindowPoints(HWND_DESKTOP, hwnd(), reinterpret_cast<POINT*>(&covered), 2);
        ExcludeClipRect(dc, covered.left, covered.top, covered.right, covered.bottom);
    }
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd())));
    RECT inside{};
    GetClientRect(hwnd(), &inside);
    FillRect(dc, &inside, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    RestoreDC(dc, saved);
}

void GroupBox::layOutInside() {
    const POINT corner = position();
    const SIZE extent = windowSize();
    groupLayout_.setFrame(frame());
    groupLayout_.onBox({corner.x, corner.y, corner.x + extent.cx, corner.y + extent.cy}, dpi());
}

} // namespace tavrin::tvgui
