#pragma once

#include "file/app.h"
#include "system/win32.h"
#include "tvgui/system/type.h"

// The launcher window's geometry rules, apart from any window so that they can be checked on
// their own.
namespace tavrin::gui::placement {

using POSITION = file::App::POSITION;

struct Placement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Placement&) const = default;
};

constexpr bool isDocked(POSITION position) noexcept {
    return position != POSITION::FLOAT && position != POSITION::HIDDEN;
}

// The band of the given thickness along a docked edge of the work area (left, top, right,
// bottom), as wide or as high as the work area along that edge; never thicker than half the
// work area across it.
Placement dockedPlacement(POSITION edge, const RECT& workArea, int thickness);

// A floating rectangle moved onto the work area, its size kept: a side that would stick out
// brings the rectangle back in, and one larger than the work area starts at its left or top.
Placement ontoWorkArea(Placement floating, const RECT& workArea) noexcept;

// The size the sizing rules count buttons in: the tool bar's own button size when it has
// buttons, else the fallback (the small caption button). A zero side, as an empty or not yet
// laid out bar reports, also takes the fallback: a button of no width fits no count.
SIZE sizingButton(bool hasButtons, SIZE buttonSize, SIZE fallback) noexcept;

// Moves the dragged side (or the two sides of a dragged corner) of rect so that it holds a
// whole number of buttons beside the frame and the title bar.
void snapSizing(tvgui::SIDEFLAG side, RECT& rect, SIZE frame, SIZE button, SIZE title) noexcept;

// The smallest size the user may drag the window to: the frame, one button and the title bar.
POINT minimumTrackSize(SIZE frame, SIZE button, SIZE title) noexcept;

// A docked bar may be sized only by its inner side: every other frame part acts as the client
// area. A floating or hidden window keeps the code.
tvgui::HT dockedHitTest(POSITION position, tvgui::HT code) noexcept;

} // namespace tavrin::gui::placement
