#pragma once

#include "tvgui/control/button.h"

namespace tavrin::tvgui {

// A button that keeps a check state.
class Toggle : public Button {
public:
    enum class CHECK : WPARAM {
        UNCHECKED = BST_UNCHECKED,
        CHECKED = BST_CHECKED,
        INDETERMINATE = BST_INDETERMINATE,
    };

    CHECK check() const;
    void check(CHECK state);
    bool checked() const;

protected:
    using Button::Button;
};

class CheckBox : public Toggle {
public:
    // An automatic check box, which turns its check over when clicked.
    CheckBox(ITEM_ID id, TvGui& owner);

    // The kinds are values of the button's type, not independent bits: turning one on makes
    // the box of that kind, turning it off makes a plain check box the owner checks itself.
    bool threeState() const;
    LONG_PTR threeState(bool on);
    bool autoThreeState() const;
    LONG_PTR autoThreeState(bool on);
    bool autoCheck() const;
    LONG_PTR autoCheck(bool on);

private:
    bool isKind(TYPE kind) const;
    LONG_PTR kind(TYPE kind, bool on);
};

class Radio : public Toggle {
public:
    // Whether the system checks the button and unchecks the others of its group on a click.
    enum class AUTO { NONE, AUTO };

    Radio(ITEM_ID id, TvGui& owner, AUTO mode = AUTO::AUTO);

    AUTO autoMode() const;
    LONG_PTR autoMode(AUTO mode);
};

} // namespace tavrin::tvgui
