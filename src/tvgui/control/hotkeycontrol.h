#pragma once

#include <cstdint>

#include "system/win32.h"
#include "tvgui/control/commoncontrol.h"
#include "tvgui/keyboard/keyboard.h"
#include "tvgui/window/control.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

// Its own namespace: the toolkit already calls a registered global hot key HotKey.
namespace tavrin::tvgui::control {

// A box that shows the key combination the user types into it.
class HotKey : public Control, public ICommonControl {
public:
    // Combinations of modifiers the box refuses as typed: none, Shift, Ctrl, Alt and their
    // pairs and the triple.
    enum class RULE : WPARAM {
        NONE = HKCOMB_NONE,
        SHIFT = HKCOMB_S,
        CONTROL = HKCOMB_C,
        ALT = HKCOMB_A,
        SHIFT_CONTROL = HKCOMB_SC,
        SHIFT_ALT = HKCOMB_SA,
        CONTROL_ALT = HKCOMB_CA,
        SHIFT_CONTROL_ALT = HKCOMB_SCA,
    };

    HotKey(ITEM_ID id, TvGui& owner);

    // The HOTKEY flags in the low byte, the virtual key in the high byte.
    std::uint16_t combination() const;
    void setCombination(std::uint16_t value);
    // A typed combination of the invalid set takes the replacement modifiers. Whether the
    // modifiers held are kept beside them differs between systems: a replacement that should
    // keep them names them too.
    void setRules(RULE invalid, HOTKEY replacement);

protected:
    HWND commonControl() const override { return hwnd(); }
};

constexpr HotKey::RULE operator|(HotKey::RULE left, HotKey::RULE right) noexcept {
    return static_cast<HotKey::RULE>(static_cast<WPARAM>(left) | static_cast<WPARAM>(right));
}

} // namespace tavrin::tvgui::control
