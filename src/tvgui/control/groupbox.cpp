#include "tvgui/control/groupbox.h"

#include "tvgui/control/controlsetup.h"

namespace tavrin::tvgui {

GroupBox::GroupLayout::GroupLayout(const Insets& frame)
    : LayoutManager(frame.left, frame.top, frame.right, frame.bottom) {}

Rect GroupBox::GroupLayout::inner(const Rect& box) const {
    return toRect(spacings(margins(toBox(box))));
}

void GroupBox::GroupLayout::onBox(const Rect& box) {
    layout(inner(box));
}

GroupBox::GroupBox(ITEM_ID id, TvGui& owner)
    : Button(controlInfo(id, owner, BS_GROUPBOX)), groupLayout_(frame()), subClass_(*this) {
    subClass_.subclass();
}

Insets GroupBox::frame() const {
    const int edgeX = GetSystemMetrics(SM_CXEDGE);
    const int edgeY = GetSystemMetrics(SM_CYEDGE);
    return {edgeX, textHeight(), edgeX, edgeY};
}

LRESULT GroupBox::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        // The frame paints only its edge and caption; erasing its whole rectangle would wipe
        // the controls inside it.
        return TRUE;
    case WM_SIZE:
    case WM_MOVE: {
        const POINT corner = position();
        const SIZE extent = windowSize();
        groupLayout_.onBox({corner.x, corner.y, corner.x + extent.cx, corner.y + extent.cy});
        break;
    }
    default:
        break;
    }
    return subClass_.callOriginal(hwnd, message, wParam, lParam);
}

} // namespace tavrin::tvgui
