#pragma once

#include <cstdint>
#include <string>

#include "tvgui/keyboard/keyboard.h"

// The rules between the key-combination control and registered hot keys. The control speaks
// HOTKEY flags, the system's hot keys MOD flags; whoever takes a combination from one to the
// other translates here.
namespace tavrin::tvgui {

// Shift, Ctrl and Alt as the control shows them. Win has no place in the control: keep the
// MOD flags to hand them back to modFlags.
HOTKEY hotKeyFlags(MOD modifiers) noexcept;

// Shift, Ctrl and Alt as a hot key registers them; EXT is no key held down and adds nothing.
// Win comes from unshown, the flags the control was given and could not show, so that
// editing a Win combination in the control does not lose the Win key.
MOD modFlags(HOTKEY shown, MOD unshown = MOD::NONE) noexcept;

// The control's own word carries the key in the low byte and the flags in the high byte; the
// stored combination the other way round (Ctrl+Alt+A: 0x0641 in the control, 0x4106 stored).
std::uint16_t combinationOfControl(std::uint16_t controlWord) noexcept;
std::uint16_t controlOfCombination(std::uint16_t combination) noexcept;

// "Ctrl+Alt+Shift+Win+" before the key's name, as the user reads a hot key; a key without a
// name shows its code ("Ctrl+0x07").
std::string hotKeyText(MOD modifiers, KEY key);

} // namespace tavrin::tvgui
