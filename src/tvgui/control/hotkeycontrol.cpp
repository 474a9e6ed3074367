#include "tvgui/control/hotkeycontrol.h"

#include <commctrl.h>

#include "tvgui/control/controlsetup.h"
#include "tvgui/keyboard/combination.h"

namespace tavrin::tvgui::control {

namespace {

GUIINFO hotKeyInfo(GUIINFO info) {
    registerCommonControls(ICC_HOTKEY_CLASS);
    return ofClass(std::move(info), "msctls_hotkey32", 0);
}

} // namespace

HotKey::HotKey(ITEM_ID id, TvGui& owner) : Control(hotKeyInfo(controlInfo(id, owner))) {
    dressControl(*this);
}

std::uint16_t HotKey::combination() const {
    return combinationOfControl(
        static_cast<std::uint16_t>(SendMessageW(hwnd(), HKM_GETHOTKEY, 0, 0)));
}

void HotKey::setCombination(std::uint16_t value) {
    SendMessageW(hwnd(), HKM_SETHOTKEY, controlOfCombination(value), 0);
}

void HotKey::setRules(RULE invalid, HOTKEY replacement) {
    SendMessageW(hwnd(), HKM_SETRULES, static_cast<WPARAM>(invalid),
                 MAKELPARAM(static_cast<WORD>(replacement), 0));
}

} // namespace tavrin::tvgui::control
