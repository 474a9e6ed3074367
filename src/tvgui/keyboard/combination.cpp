#include "tvgui/keyboard/combination.h"

#include <cstdio>
#include <utility>

namespace tavrin::tvgui {

namespace {

// The modifiers both flag sets know, side by side.
constexpr std::pair<MOD, HOTKEY> shared[] = {
    {MOD::SHIFT, HOTKEY::SHIFT},
    {MOD::CONTROL, HOTKEY::CONTROL},
    {MOD::ALT, HOTKEY::ALT},
};

constexpr std::uint16_t swapBytes(std::uint16_t word) noexcept {
    return static_cast<std::uint16_t>((word << 8) | (word >> 8));
}

} // namespace

HOTKEY hotKeyFlags(MOD modifiers) noexcept {
    HOTKEY flags = HOTKEY::NONE;
    for (const auto& [mod, hotKey] : shared) {
        if (hasFlag(modifiers, mod)) {
            flags = flags | hotKey;
        }
    }
    return flags;
}

MOD modFlags(HOTKEY shown, MOD unshown) noexcept {
    MOD modifiers = unshown & MOD::WIN;
    for (const auto& [mod, hotKey] : shared) {
        if (hasFlag(shown, hotKey)) {
            modifiers = modifiers | mod;
        }
    }
    return modifiers;
}

std::uint16_t combinationOfControl(std::uint16_t controlWord) noexcept {
    return swapBytes(controlWord);
}

std::uint16_t controlOfCombination(std::uint16_t combination) noexcept {
    return swapBytes(combination);
}

std::string hotKeyText(MOD modifiers, KEY key) {
    static constexpr std::pair<MOD, const char*> names[] = {
        {MOD::CONTROL, "Ctrl+"}, {MOD::ALT, "Alt+"}, {MOD::SHIFT, "Shift+"}, {MOD::WIN, "Win+"}};
    std::string text;
    for (const auto& [mod, name] : names) {
        if (hasFlag(modifiers, mod)) {
            text += name;
        }
    }
    if (const auto name = findKeyName(key)) {
        return text.append(*name);
    }
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(key));
    return text + code;
}

} // namespace tavrin::tvgui
