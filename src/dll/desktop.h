#pragma once

#include "system/win32.h"

namespace tavrin::dll {

// The desktop is the shell's "Progman" window, or, where the shell has moved the icons
// there, a "WorkerW" window that holds the icon view.
bool isDesktop(HWND topLevel);

// Whether the top-level window under the screen point is the desktop.
bool isDesktopAt(POINT screen);

} // namespace tavrin::dll
