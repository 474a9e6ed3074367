#include "tvgui/control/button.h"

#include "tvgui/control/controlsetup.h"
#include "tvgui/control/imagemessage.h"
#include "tvgui/control/stylefield.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

constexpr StyleName horizonNames[] = {
    {BS_LEFT, "BS_LEFT"}, {BS_CENTER, "BS_CENTER"}, {BS_RIGHT, "BS_RIGHT"}};
constexpr StyleName verticalNames[] = {
    {BS_TOP, "BS_TOP"}, {BS_VCENTER, "BS_VCENTER"}, {BS_BOTTOM, "BS_BOTTOM"}};
constexpr StyleName imageNames[] = {{BS_ICON, "BS_ICON"}, {BS_BITMAP, "BS_BITMAP"}};

const StyleField horizonField{horizonNames};
const StyleField verticalField{verticalNames};
const StyleField imageField{imageNames};

} // namespace

Button::Button(ITEM_ID id, TvGui& owner, TYPE type)
    : Button(controlInfo(id, owner, static_cast<DWORD>(type))) {}

Button::Button(GUIINFO info) : Control(ofClass(std::move(info), "BUTTON", 0)) {
    dressControl(*this);
}

HORIZON_ALIGN Button::horizonAlign() const {
    return horizonField.read<HORIZON_ALIGN>(hwnd());
}

LONG_PTR Button::horizonAlign(HORIZON_ALIGN align) {
    return horizonField.write(hwnd(), align);
}

VERTICAL_ALIGN Button::verticalAlign() const {
    return verticalField.read<VERTICAL_ALIGN>(hwnd());
}

LONG_PTR Button::verticalAlign(VERTICAL_ALIGN align) {
    return verticalField.write(hwnd(), align);
}

TVGUI_STYLE_PAIR(Button, notify, STYLE, BS_NOTIFY)
TVGUI_STYLE_PAIR(Button, ownerDraw, STYLE, BS_OWNERDRAW)
TVGUI_STYLE_PAIR(Button, flat, STYLE, BS_FLAT)

void Button::click() {
    SendMessageW(hwnd(), BM_CLICK, 0, 0);
}

Button::IMAGE_TYPE Button::imageType() const {
    return imageField.read<IMAGE_TYPE>(hwnd());
}

LONG_PTR Button::imageType(IMAGE_TYPE type) {
    return imageField.write(hwnd(), type);
}

image::Icon Button::setImage(const image::Icon& icon) {
    return swapIcon(hwnd(), BM_SETIMAGE, icon);
}

Bitmap Button::setImage(const Bitmap& bitmap) {
    return swapBitmap(hwnd(), BM_SETIMAGE, bitmap);
}

image::Icon Button::iconImage() const {
    return shownIcon(hwnd(), BM_GETIMAGE);
}

Bitmap Button::bitmapImage() const {
    return shownBitmap(hwnd(), BM_GETIMAGE);
}

Push::Push(ITEM_ID id, TvGui& owner) : Button(id, owner, TYPE::PUSHBUTTON) {}

TVGUI_STYLE_PAIR(Push, defaultButton, STYLE, BS_DEFPUSHBUTTON)

bool Push::pushed() const {
    // The state carries the focus bit besides: a focused button held down is still pushed.
    return (SendMessageW(hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void Push::pushed(bool on) {
    SendMessageW(hwnd(), BM_SETSTATE, on ? TRUE : FALSE, 0);
}

} // namespace tavrin::tvgui

#undef TVGUI_STYLE_PAIR
