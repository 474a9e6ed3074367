#include "tvgui/draw/pen.h"

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

namespace {

HPEN createPen(const LOGPEN& record) {
    HPEN pen = CreatePenIndirect(&record);
    if (pen == nullptr) {
        throw system::DrawException("CreatePenIndirect");
    }
    return pen;
}

} // namespace

Pen::Pen(const LOGPEN& record) : GdiObject(createPen(record), true) {}

Pen::Pen(STYLE style, int width, COLORREF color)
    : Pen(LOGPEN{static_cast<UINT>(style), POINT{width, 0}, color}) {}

Pen::Pen(STOCK stock)
    : GdiObject(static_cast<HPEN>(GetStockObject(static_cast<int>(stock))), false) {}

Pen::Pen(HPEN handle, bool owned) : GdiObject(handle, owned) {}

} // namespace tavrin::tvgui
