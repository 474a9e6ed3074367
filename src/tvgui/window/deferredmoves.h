#pragma once

#include "system/win32.h"

namespace tavrin::tvgui {

// While one is open on this thread, the windows a layout places are moved together when it
// closes rather than one by one, so that a resize repaints the children once.
class DeferredMoves {
public:
    DeferredMoves() noexcept;
    ~DeferredMoves();
    DeferredMoves(const DeferredMoves&) = delete;
    DeferredMoves& operator=(const DeferredMoves&) = delete;

    // Adds the move to the innermost open batch; false when there is none, and the caller
    // moves the window itself.
    static bool move(HWND window, int x, int y, int width, int height, bool repaint) noexcept;

private:
    HDWP batch_;
    DeferredMoves* outer_;
};

} // namespace tavrin::tvgui
