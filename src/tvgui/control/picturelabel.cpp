#include "tvgui/control/picturelabel.h"

#include "tvgui/control/controlsetup.h"
#include "tvgui/control/imagemessage.h"
#include "tvgui/control/stylefield.h"

namespace tavrin::tvgui {

namespace {

constexpr StyleName imageNames[] = {{SS_ICON, "SS_ICON"}, {SS_BITMAP, "SS_BITMAP"}};
constexpr StyleName positionNames[] = {
    {SS_CENTERIMAGE, "SS_CENTERIMAGE"}, {SS_RIGHTJUST, "SS_RIGHTJUST"}, {0, "0"}};

const StyleField imageField{imageNames, SS_TYPEMASK};
const StyleField positionField{positionNames};

} // namespace

PictureLabel::PictureLabel(ITEM_ID id, TvGui& owner, IMAGE_TYPE type)
    : Statc(controlInfo(id, owner)) {
    imageType(type);
}

PictureLabel::IMAGE_TYPE PictureLabel::imageType() const {
    return imageField.read<IMAGE_TYPE>(hwnd());
}

LONG_PTR PictureLabel::imageType(IMAGE_TYPE type) {
    return imageField.write(hwnd(), type);
}

PictureLabel::POSITION PictureLabel::imagePosition() const {
    return positionField.read<POSITION>(hwnd());
}

LONG_PTR PictureLabel::imagePosition(POSITION where) {
    return positionField.write(hwnd(), where);
}

image::Icon PictureLabel::setImage(const image::Icon& icon) {
    return swapIcon(hwnd(), STM_SETIMAGE, icon);
}

Bitmap PictureLabel::setImage(const Bitmap& bitmap) {
    return swapBitmap(hwnd(), STM_SETIMAGE, bitmap);
}

image::Icon PictureLabel::iconImage() const {
    return shownIcon(hwnd(), STM_GETIMAGE);
}

Bitmap PictureLabel::bitmapImage() const {
    return shownBitmap(hwnd(), STM_GETIMAGE);
}

IconLabel::IconLabel(ITEM_ID id, TvGui& owner) : PictureLabel(id, owner, IMAGE_TYPE::ICON) {}

} // namespace tavrin::tvgui
