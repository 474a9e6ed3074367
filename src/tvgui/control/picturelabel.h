#pragma once

#include "image/icon.h"
#include "tvgui/control/statc.h"
#include "tvgui/draw/bitmap.h"

namespace tavrin::tvgui {

// A label that shows an icon or a bitmap.
class PictureLabel : public Statc {
public:
    enum class IMAGE_TYPE { ICON, BITMAP };
    // Where the picture sits when the label is larger than it.
    enum class POSITION { CENTER, RIGHT_BOTTOM, LEFT_TOP };

    PictureLabel(ITEM_ID id, TvGui& owner, IMAGE_TYPE type);

    IMAGE_TYPE imageType() const;
    LONG_PTR imageType(IMAGE_TYPE type);
    POSITION imagePosition() const;
    LONG_PTR imagePosition(POSITION where);

    // Shows the image, which the caller keeps alive, and gives back the previous one.
    image::Icon setImage(const image::Icon& icon);
    Bitmap setImage(const Bitmap& bitmap);
    image::Icon iconImage() const;
    Bitmap bitmapImage() const;
};

class IconLabel : public PictureLabel {
public:
    IconLabel(ITEM_ID id, TvGui& owner);
};

} // namespace tavrin::tvgui
