#pragma once

#include "image/icon.h"
#include "tvgui/control/interfaces.h"
#include "tvgui/draw/bitmap.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// A control of the system's "BUTTON" class.
class Button : public Control,
               public IHorizonAlign,
               public IVerticalAlign,
               public INotify,
               public IOwnerDraw {
public:
    enum class TYPE : DWORD {
        PUSHBUTTON = BS_PUSHBUTTON,
        DEFPUSHBUTTON = BS_DEFPUSHBUTTON,
        CHECKBOX = BS_CHECKBOX,
        AUTOCHECKBOX = BS_AUTOCHECKBOX,
        RADIOBUTTON = BS_RADIOBUTTON,
        THREESTATE = BS_3STATE,
        AUTO3STATE = BS_AUTO3STATE,
        GROUPBOX = BS_GROUPBOX,
        USERBUTTON = BS_USERBUTTON,
        AUTORADIOBUTTON = BS_AUTORADIOBUTTON,
        OWNERDRAW = BS_OWNERDRAW,
    };
    enum class EVENT : WORD {
        CLICKED = BN_CLICKED,
        PAINT = BN_PAINT,
        PUSHED = BN_PUSHED,
        UNPUSHED = BN_UNPUSHED,
        DISABLE = BN_DISABLE,
        DOUBLECLICKED = BN_DOUBLECLICKED,
        SETFOCUS = BN_SETFOCUS,
        KILLFOCUS = BN_KILLFOCUS,
    };
    enum class IMAGE_TYPE { ICON, BITMAP };

    Button(ITEM_ID id, TvGui& owner, TYPE type);

    HORIZON_ALIGN horizonAlign() const override;
    LONG_PTR horizonAlign(HORIZON_ALIGN align) override;
    VERTICAL_ALIGN verticalAlign() const override;
    LONG_PTR verticalAlign(VERTICAL_ALIGN align) override;
    bool notify() const override;
    LONG_PTR notify(bool on) override;
    bool ownerDraw() const override;
    LONG_PTR ownerDraw(bool on) override;
    bool flat() const;
    LONG_PTR flat(bool on);

    // Presses the button as a click would, notifications included.
    void click();

    IMAGE_TYPE imageType() const;
    LONG_PTR imageType(IMAGE_TYPE type);
    // Shows the image, which the caller keeps alive, and gives back the previous one.
    image::Icon setImage(const image::Icon& icon);
    Bitmap setImage(const Bitmap& bitmap);
    image::Icon iconImage() const;
    Bitmap bitmapImage() const;

protected:
    explicit Button(GUIINFO info);
};

// A push button; the default one of a dialog answers Enter.
class Push : public Button {
public:
    Push(ITEM_ID id, TvGui& owner);

    bool defaultButton() const;
    LONG_PTR defaultButton(bool on);
    bool pushed() const;
    void pushed(bool on);
};

} // namespace tavrin::tvgui
