#pragma once

#include <cstdint>

#include "system/win32.h"

// The hook runs on a thread of its own with its own message loop, so that the callback never
// waits for the launcher's busy GUI thread: it posts and passes the event on at once.
namespace tavrin::hooker {

// Both are called from one thread, the launcher's.

// Starts the thread and waits until it has installed the low-level mouse hook that posts
// message to window. Null with the reason as the last error when the kind is not the
// low-level mouse hook, the window does not exist, a hook is already running or the system
// refuses.
HHOOK startHook(HWND window, int kind, UINT message);

// Removes the hook and ends its thread; false when none was running or removing it failed.
bool stopHook();

// The longest time one callback took so far, in performance-counter ticks.
std::int64_t longestCallbackTicks();

} // namespace tavrin::hooker
