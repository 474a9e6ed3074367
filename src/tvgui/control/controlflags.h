#pragma once

#include <type_traits>

namespace tavrin::tvgui {

// Opts a flag enumeration of a control into the bit operators below.
template <typename E> struct IsControlFlags : std::false_type {};

template <typename E>
concept ControlFlags = std::is_enum_v<E> && IsControlFlags<E>::value;

template <ControlFlags E> constexpr E operator|(E left, E right) noexcept {
    using U = std::underlying_type_t<E>;
    return static_cast<E>(static_cast<U>(left) | static_cast<U>(right));
}

template <ControlFlags E> constexpr E operator&(E left, E right) noexcept {
    using U = std::underlying_type_t<E>;
    return static_cast<E>(static_cast<U>(left) & static_cast<U>(right));
}

// Whether every bit of flags is set in set.
template <ControlFlags E> constexpr bool hasFlags(E set, E flags) noexcept {
    return (set & flags) == flags;
}

} // namespace tavrin::tvgui
