#pragma once

#include <string_view>

#include "tvgui/control/interfaces.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// A control of the system's "STATIC" class: text, pictures and plain frames.
class Statc : public Control, public INotify, public IOwnerDraw {
public:
    enum class EVENT : WORD {
        CLICKED = STN_CLICKED,
        DBLCLK = STN_DBLCLK,
        ENABLE = STN_ENABLE,
        DISABLE = STN_DISABLE,
    };

    bool notify() const override;
    LONG_PTR notify(bool on) override;
    bool ownerDraw() const override;
    LONG_PTR ownerDraw(bool on) override;

protected:
    explicit Statc(GUIINFO info);
};

class TextLabel : public Statc, public IHorizonAlign {
public:
    // Where a text too long for the label is cut short.
    enum class ELLIPSIS { DURING, END };

    TextLabel(ITEM_ID id, TvGui& owner, std::string_view text = {});

    HORIZON_ALIGN horizonAlign() const override;
    LONG_PTR horizonAlign(HORIZON_ALIGN align) override;
    ELLIPSIS ellipsis() const;
    LONG_PTR ellipsis(ELLIPSIS where);
    // One line of text centred top to bottom: a caption level with the control beside it.
    bool middle() const;
    LONG_PTR middle(bool on);
};

// A plain rectangle: an empty frame or a filled area, in one of three system colours.
class BoxLabel : public Statc {
public:
    enum class BOX { BORDER, DESKTOP, WINDOW };
    enum class AREA { BORDER, DESKTOP, WINDOW };

    BoxLabel(ITEM_ID id, TvGui& owner, BOX frame);
    BoxLabel(ITEM_ID id, TvGui& owner, AREA area);

    BOX box() const;
    LONG_PTR box(BOX frame);
    AREA area() const;
    LONG_PTR area(AREA area);
};

} // namespace tavrin::tvgui
