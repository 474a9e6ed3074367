#include "tvgui/window/deferredmoves.h"

namespace tavrin::tvgui {

namespace {

thread_local DeferredMoves* innermost = nullptr;

// A hint only: the batch grows as moves are added.
constexpr int expectedMoves = 8;

} // namespace

DeferredMoves::DeferredMoves() noexcept
    : batch_(BeginDeferWindowPos(expectedMoves)), outer_(innermost) {
    innermost = this;
}

// The moves send WM_SIZE to the children, whose own layouts open batches of their own.
DeferredMoves::~DeferredMoves() {
    innermost = outer_;
    if (batch_ != nullptr) {
        EndDeferWindowPos(batch_);
    }
}

bool DeferredMoves::move(HWND window, int x, int y, int width, int height, bool repaint) noexcept {
    if (innermost == nullptr || innermost->batch_ == nullptr) {
        return false;
    }
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW);
    // A refused move frees the batch and the moves gathered so far are lost; the callers
    // pass live windows only, so this is left to a shortage of memory.
    innermost->batch_ =
        DeferWindowPos(innermost->batch_, window, nullptr, x, y, width, height, flags);
    return innermost->batch_ != nullptr;
}

} // namespace tavrin::tvgui
