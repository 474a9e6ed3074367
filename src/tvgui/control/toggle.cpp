#include "tvgui/control/toggle.h"

#include "tvgui/control/controlsetup.h"
#include "tvgui/control/stylefield.h"

namespace tavrin::tvgui {

namespace {

constexpr StyleName radioNames[] = {{BS_RADIOBUTTON, "BS_RADIOBUTTON"},
                                    {BS_AUTORADIOBUTTON, "BS_AUTORADIOBUTTON"}};
const StyleField radioField{radioNames, BS_TYPEMASK};

} // namespace

Toggle::CHECK Toggle::check() const {
    return static_cast<CHECK>(SendMessageW(hwnd(), BM_GETCHECK, 0, 0));
}

void Toggle::check(CHECK state) {
    SendMessageW(hwnd(), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

bool Toggle::checked() const {
    return check() == CHECK::CHECKED;
}

CheckBox::CheckBox(ITEM_ID id, TvGui& owner) : Toggle(controlInfo(id, owner, BS_AUTOCHECKBOX)) {}

bool CheckBox::isKind(TYPE kind) const {
    return (GetWindowLongPtrW(hwnd(), GWL_STYLE) & BS_TYPEMASK) == static_cast<LONG_PTR>(kind);
}

LONG_PTR CheckBox::kind(TYPE kind, bool on) {
    const LONG_PTR type = static_cast<LONG_PTR>(on ? kind : TYPE::CHECKBOX);
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    if (!on && !isKind(kind)) {
        return style;
    }
    return SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~LONG_PTR{BS_TYPEMASK}) | type);
}

bool CheckBox::threeState() const {
    return isKind(TYPE::THREESTATE);
}

LONG_PTR CheckBox::threeState(bool on) {
    return kind(TYPE::THREESTATE, on);
}

bool CheckBox::autoThreeState() const {
    return isKind(TYPE::AUTO3STATE);
}

LONG_PTR CheckBox::autoThreeState(bool on) {
    return kind(TYPE::AUTO3STATE, on);
}

bool CheckBox::autoCheck() const {
    return isKind(TYPE::AUTOCHECKBOX);
}

LONG_PTR CheckBox::autoCheck(bool on) {
    return kind(TYPE::AUTOCHECKBOX, on);
}

Radio::Radio(ITEM_ID id, TvGui& owner, AUTO mode) : Toggle(controlInfo(id, owner, BS_RADIOBUTTON)) {
    autoMode(mode);
}

Radio::AUTO Radio::autoMode() const {
    return radioField.read<AUTO>(hwnd());
}

LONG_PTR Radio::autoMode(AUTO mode) {
    return radioField.write(hwnd(), mode);
}

} // namespace tavrin::tvgui
