#pragma once

#include <cstdint>

#include "system/win32.h"

#include <windowsx.h>

// What the hook library tells the launcher's window, and how: both sides include this header.
// The library's hook runs on a thread of its own and only posts; no record crosses threads.
namespace tavrin::dll {

// Posted for each mouse event the hook sees: wParam is the mouse message, lParam the event's
// screen point packed by packPoint. A private message of the application range that none of
// the window's own messages uses.
inline constexpr UINT HOOK_MOUSE = WM_APP + 5;

// The hook kind the launcher asks for.
inline constexpr int HOOK_KIND = WH_MOUSE_LL;

// Screen coordinates are signed: a monitor left of or above the primary one gives negative
// ones, which survive the 16-bit packing only when unpacked with their sign.
inline LPARAM packPoint(POINT point) noexcept {
    return MAKELPARAM(static_cast<std::uint16_t>(point.x), static_cast<std::uint16_t>(point.y));
}

inline POINT unpackPoint(LPARAM packed) noexcept {
    return {GET_X_LPARAM(packed), GET_Y_LPARAM(packed)};
}

} // namespace tavrin::dll
