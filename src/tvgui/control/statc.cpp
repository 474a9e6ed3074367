#include "tvgui/control/statc.h"

#include "tvgui/control/controlsetup.h"
#include "tvgui/control/stylefield.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

constexpr StyleName alignNames[] = {
    {SS_LEFT, "SS_LEFT"}, {SS_CENTER, "SS_CENTER"}, {SS_RIGHT, "SS_RIGHT"}};
constexpr StyleName ellipsisNames[] = {{SS_PATHELLIPSIS, "SS_PATHELLIPSIS"},
                                       {SS_ENDELLIPSIS, "SS_ENDELLIPSIS"}};
constexpr StyleName boxNames[] = {{SS_BLACKFRAME, "SS_BLACKFRAME"},
                                  {SS_GRAYFRAME, "SS_GRAYFRAME"},
                                  {SS_WHITEFRAME, "SS_WHITEFRAME"}};
constexpr StyleName areaNames[] = {
    {SS_BLACKRECT, "SS_BLACKRECT"}, {SS_GRAYRECT, "SS_GRAYRECT"}, {SS_WHITERECT, "SS_WHITERECT"}};

const StyleField alignField{alignNames};
const StyleField ellipsisField{ellipsisNames};
const StyleField boxField{boxNames, SS_TYPEMASK};
const StyleField areaField{areaNames, SS_TYPEMASK};

} // namespace

Statc::Statc(GUIINFO info) : Control(ofClass(std::move(info), "STATIC", 0)) {
    dressControl(*this);
}

TVGUI_STYLE_PAIR(Statc, notify, STYLE, SS_NOTIFY)
TVGUI_STYLE_PAIR(Statc, ownerDraw, STYLE, SS_OWNERDRAW)

TextLabel::TextLabel(ITEM_ID id, TvGui& owner, std::string_view text)
    : Statc(controlInfo(id, owner, SS_LEFT)) {
    setText(text);
}

HORIZON_ALIGN TextLabel::horizonAlign() const {
    return alignField.read<HORIZON_ALIGN>(hwnd());
}

LONG_PTR TextLabel::horizonAlign(HORIZON_ALIGN align) {
    return alignField.write(hwnd(), align);
}

TextLabel::ELLIPSIS TextLabel::ellipsis() const {
    return ellipsisField.read<ELLIPSIS>(hwnd());
}

LONG_PTR TextLabel::ellipsis(ELLIPSIS where) {
    return ellipsisField.write(hwnd(), where);
}

TVGUI_STYLE_PAIR(TextLabel, middle, STYLE, SS_CENTERIMAGE)

BoxLabel::BoxLabel(ITEM_ID id, TvGui& owner, BOX frame) : Statc(controlInfo(id, owner)) {
    box(frame);
}

BoxLabel::BoxLabel(ITEM_ID id, TvGui& owner, AREA area) : Statc(controlInfo(id, owner)) {
    this->area(area);
}

BoxLabel::BOX BoxLabel::box() const {
    return boxField.read<BOX>(hwnd());
}

LONG_PTR BoxLabel::box(BOX frame) {
    return boxField.write(hwnd(), frame);
}

BoxLabel::AREA BoxLabel::area() const {
    return areaField.read<AREA>(hwnd());
}

LONG_PTR BoxLabel::area(AREA area) {
    return areaField.write(hwnd(), area);
}

} // namespace tavrin::tvgui

#undef TVGUI_STYLE_PAIR
