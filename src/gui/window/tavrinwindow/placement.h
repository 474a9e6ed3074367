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

// A drag of the window's frame: the rectangle the pointer asks for, its way added up since the
// drag began, and the rectangle last given back to the system.
struct Drag {
    RECT wanted;
    RECT given;
};

// Moves the dragged side (or the two sides of a dragged corner) of rect so that its button
// area, beside the frame and the title bar, holds the whole number of buttons nearest to what
// the pointer asks for. The system proposes the rectangle it was last given, moved by the
// pointer's way since: that way is added to what the drag wanted before, so the edge stays
// within half a button of the pointer however the system steps the drag. drag follows.
void snapSizing(tvgui::SIDEFLAG side, RECT& rect, Drag& drag, SIZE frame, SIZE button,
                SIZE title) noexcept;

// The content of a bar of count buttons laid out in rows no wider than widest, with at least
// one button in a row; a bar without buttons has no content.
SIZE buttonRows(int count, SIZE button, LONG widest) noexcept;

// The floating place of a window whose size no user chose: the content beside the frame and
// the title bar, no wider than the work area, centred across it and an eighth of its height
// below its top, clear of any bar at its edges and not lost in a corner.
Placement fittedPlacement(SIZE content, SIZE frame, SIZE title, const RECT& workArea) noexcept;

// The smallest size the user may drag the window to: the frame, one button and the title bar.
POINT minimumTrackSize(SIZE frame, SIZE button, SIZE title) noexcept;

// A docked bar may be sized only by its inner side: every other frame part acts as the client
// area. A floating or hidden window keeps the code.
tvgui::HT dockedHitTest(POSITION position, tvgui::HT code) noexcept;

} // namespace tavrin::gui::placement
