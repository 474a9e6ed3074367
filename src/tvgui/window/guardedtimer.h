#pragma once

#include "system/win32.h"

namespace tavrin::tvgui {

// No C++ exception may unwind through the system's code that calls a timer procedure. A
// procedure handed to SetTimer through here runs inside a guard that keeps what it throws
// for the message loop, as the window procedure does for handlers.

// Sets the timer with the guard in front of procedure; the timer's id, or 0 on failure.
UINT_PTR setGuardedTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure);
// Forgets the procedure of one timer of window, or of all its timers once it is gone.
void forgetGuardedTimer(HWND window, UINT_PTR id) noexcept;
void forgetGuardedTimers(HWND window) noexcept;

} // namespace tavrin::tvgui
