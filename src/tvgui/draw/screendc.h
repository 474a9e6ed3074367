#pragma once

#include "system/win32.h"

namespace tavrin::tvgui {

// The desktop window's device context for the length of a scope: what bitmaps and memory
// canvases are made compatible with, and where the screen's resolution is read.
class ScreenDC {
public:
    ScreenDC() : window(GetDesktopWindow()), dc(GetDC(window)) {}
    ~ScreenDC() {
        if (dc != nullptr) {
            ReleaseDC(window, dc);
        }
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;

    HDC get() const noexcept { return dc; }

private:
    HWND window;
    HDC dc;
};

// Pixels per logical inch of the screen, vertically; 96 when the screen cannot be asked.
int screenPixelsPerInchY();

} // namespace tavrin::tvgui
