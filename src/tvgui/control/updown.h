#pragma once

#include <memory>
#include <utility>

#include "tvgui/control/commoncontrol.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// A pair of arrows that counts a number up and down. It attaches itself to the control made
// just before it (its buddy) and shows the number there as text.
class UpDown : public Control, public ICommonControl {
public:
    // Where the arrows sit: beside the buddy, inside its left or right edge, or where the
    // layout puts them. The side is taken when a buddy is attached.
    enum class POSITION { NONE, LEFT, RIGHT };

    UpDown(ITEM_ID id, TvGui& owner, POSITION side = POSITION::NONE);

    POSITION placement() const;
    LONG_PTR placement(POSITION side);

    // The lower and the upper bound. Either order is allowed: with the lower bound above the
    // upper one the up arrow counts down.
    std::pair<int, int> range() const;
    void setRange(int lower, int upper);

    // The number the buddy holds. UpDownException when its text is no number within the range.
    int value() const;
    // Clamped into the range and shown in the buddy; gives back the number it replaced.
    int setValue(int number);

    // Null when the arrows have no buddy.
    std::shared_ptr<TvGui> buddy() const;
    // Gives the arrows another buddy, placed at their side of it.
    void setBuddy(TvGui& buddy);

protected:
    HWND commonControl() const override { return hwnd(); }
};

} // namespace tavrin::tvgui
