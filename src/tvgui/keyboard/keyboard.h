#pragma once

#include <concepts>
#include <cstdint>

#include "tvgui/keyboard/key.h"

namespace tavrin::tvgui {

// The modifier flags of a registered hot key, as the system numbers them.
enum class MOD : std::uint8_t { NONE = 0, ALT = 0x1, CONTROL = 0x2, SHIFT = 0x4, WIN = 0x8 };

// The modifier flags of the key-combination control. Shift and Alt sit the other way round
// from MOD, and EXT marks an extended key rather than a key held down.
enum class HOTKEY : std::uint8_t { NONE = 0, SHIFT = 0x1, CONTROL = 0x2, ALT = 0x4, EXT = 0x8 };

template <typename Flags>
concept ModifierFlags = std::same_as<Flags, MOD> || std::same_as<Flags, HOTKEY>;

template <ModifierFlags Flags> constexpr Flags operator|(Flags left, Flags right) noexcept {
    return static_cast<Flags>(static_cast<std::uint8_t>(left) | static_cast<std::uint8_t>(right));
}

template <ModifierFlags Flags> constexpr Flags operator&(Flags left, Flags right) noexcept {
    return static_cast<Flags>(static_cast<std::uint8_t>(left) & static_cast<std::uint8_t>(right));
}

template <ModifierFlags Flags> constexpr bool hasFlag(Flags flags, Flags flag) noexcept {
    return (flags & flag) == flag;
}

// The bit fields of a key message's lParam.
struct KEYDATA {
    std::uint32_t raw = 0;

    std::uint16_t count() const noexcept { return static_cast<std::uint16_t>(raw & 0xFFFF); }
    std::uint8_t scan() const noexcept { return static_cast<std::uint8_t>((raw >> 16) & 0xFF); }
    bool ex() const noexcept { return (raw >> 24) & 1; }
    bool context() const noexcept { return (raw >> 29) & 1; }
    bool prev() const noexcept { return (raw >> 30) & 1; }
    bool keyup() const noexcept { return (raw >> 31) & 1; }
};

} // namespace tavrin::tvgui
