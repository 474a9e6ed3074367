#include "tvgui/draw/brush.h"

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

namespace {

HBRUSH createBrush(const LOGBRUSH& record) {
    HBRUSH brush = CreateBrushIndirect(&record);
    if (brush == nullptr) {
        throw system::BrushException("CreateBrushIndirect");
    }
    return brush;
}

HBRUSH systemColorBrush(COLOR color) {
    HBRUSH brush = GetSysColorBrush(static_cast<int>(color));
    if (brush == nullptr) {
        throw system::BrushException("GetSysColorBrush");
    }
    return brush;
}

} // namespace

Brush::Brush(const LOGBRUSH& record) : GdiObject(createBrush(record), true) {}

Brush::Brush(COLORREF color) : Brush(LOGBRUSH{BS_SOLID, color, 0}) {}

Brush::Brush(HATCH hatch, COLORREF color)
    : Brush(LOGBRUSH{BS_HATCHED, color, static_cast<ULONG_PTR>(hatch)}) {}

Brush::Brush(STOCK stock)
    : GdiObject(static_cast<HBRUSH>(GetStockObject(static_cast<int>(stock))), false) {}

Brush::Brush(COLOR color) : GdiObject(systemColorBrush(color), false) {}

Brush::Brush(HBRUSH handle, bool owned) : GdiObject(handle, owned) {}

} // namespace tavrin::tvgui
