#include "gui/window/tavrinwindow/placement.h"

#include <algorithm>
#include <initializer_list>

namespace tavrin::gui::placement {

using tvgui::HT;
using tvgui::SIDEFLAG;

Placement dockedPlacement(POSITION edge, const RECT& workArea, int thickness) {
    const int width = workArea.right - workArea.left;
    const int height = workArea.bottom - workArea.top;
    // What app.dvk says is kept for a larger screen; here the bar leaves half the room.
    const bool across = edge == POSITION::TOP || edge == POSITION::BOTTOM;
    thickness = std::min(thickness, std::max(1, (across ? height : width) / 2));
    switch (edge) {
    case POSITION::LEFT:
        return {workArea.left, workArea.top, thickness, height};
    case POSITION::TOP:
        return {workArea.left, workArea.top, width, thickness};
    case POSITION::RIGHT:
        return {workArea.right - thickness, workArea.top, thickness, height};
    case POSITION::BOTTOM:
        return {workArea.left, workArea.bottom - thickness, width, thickness};
    case POSITION::FLOAT:
    case POSITION::HIDDEN:
        break;
    }
    return {};
}

Placement ontoWorkArea(Placement floating, const RECT& workArea) noexcept {
    // In 64 bits: a stored size may be near the largest int.
    const auto clamped = [](int start, int length, LONG low, LONG high) {
        return static_cast<int>(std::max<long long>(
            low, std::min<long long>(start, static_cast<long long>(high) - length)));
    };
    floating.x = clamped(floating.x, floating.width, workArea.left, workArea.right);
    floating.y = clamped(floating.y, floating.height, workArea.top, workArea.bottom);
    return floating;
}

SIZE sizingButton(bool hasButtons, SIZE buttonSize, SIZE fallback) noexcept {
    if (hasButtons && buttonSize.cx > 0 && buttonSize.cy > 0) {
        return buttonSize;
    }
    return {std::max<LONG>(fallback.cx, 1), std::max<LONG>(fallback.cy, 1)};
}

namespace {

// The length of a side holding the whole number of buttons nearest to wanted, never fewer
// than one, beside the frame and the title bar.
LONG snappedLength(LONG wanted, LONG frame, LONG button, LONG title) noexcept {
    const LONG area = wanted - frame - title;
    const LONG count = std::max<LONG>(1, (area + button / 2) / button);
    return frame + title + count * button;
}

} // namespace

void snapSizing(SIDEFLAG side, RECT& rect, Drag& drag, SIZE frame, SIZE button,
                SIZE title) noexcept {
    drag.wanted.left += rect.left - drag.given.left;
    drag.wanted.top += rect.top - drag.given.top;
    drag.wanted.right += rect.right - drag.given.right;
    drag.wanted.bottom += rect.bottom - drag.given.bottom;
    const LONG width = drag.wanted.right - drag.wanted.left;
    const LONG height = drag.wanted.bottom - drag.wanted.top;
    const auto is = [side](std::initializer_list<SIDEFLAG> sides) {
        return std::find(sides.begin(), sides.end(), side) != sides.end();
    };
    if (is({SIDEFLAG::LEFT, SIDEFLAG::TOPLEFT, SIDEFLAG::BOTTOMLEFT})) {
        rect.left = rect.right - snappedLength(width, frame.cx, button.cx, title.cx);
    }
    if (is({SIDEFLAG::RIGHT, SIDEFLAG::TOPRIGHT, SIDEFLAG::BOTTOMRIGHT})) {
        rect.right = rect.left + snappedLength(width, frame.cx, button.cx, title.cx);
    }
    if (is({SIDEFLAG::TOP, SIDEFLAG::TOPLEFT, SIDEFLAG::TOPRIGHT})) {
        rect.top = rect.bottom - snappedLength(height, frame.cy, button.cy, title.cy);
    }
    if (is({SIDEFLAG::BOTTOM, SIDEFLAG::BOTTOMLEFT, SIDEFLAG::BOTTOMRIGHT})) {
        rect.bottom = rect.top + snappedLength(height, frame.cy, button.cy, title.cy);
    }
    drag.given = rect;
}

SIZE buttonRows(int count, SIZE button, LONG widest) noexcept {
    if (count <= 0) {
        return {};
    }
    const LONG perRow = std::clamp<LONG>(widest / button.cx, 1, count);
    const LONG rows = (count + perRow - 1) / perRow;
    return {perRow * button.cx, rows * button.cy};
}

Placement fittedPlacement(SIZE content, SIZE frame, SIZE title, const RECT& workArea) noexcept {
    const int areaWidth = workArea.right - workArea.left;
    const int areaHeight = workArea.bottom - workArea.top;
    const int width = std::min<int>(areaWidth, content.cx + frame.cx + title.cx);
    const int height = std::min<int>(areaHeight, content.cy + frame.cy + title.cy);
    return {workArea.left + (areaWidth - width) / 2,
            workArea.top + std::min(areaHeight / 8, areaHeight - height), width, height};
}

POINT minimumTrackSize(SIZE frame, SIZE button, SIZE title) noexcept {
    return {frame.cx + button.cx + title.cx, frame.cy + button.cy + title.cy};
}

HT dockedHitTest(POSITION position, HT code) noexcept {
    const auto allowed = [code](std::initializer_list<HT> inner) {
        return std::find(inner.begin(), inner.end(), code) != inner.end() ? code : HT::CLIENT;
    };
    switch (position) {
    case POSITION::LEFT:
        return allowed({HT::RIGHT, HT::TOPRIGHT, HT::BOTTOMRIGHT});
    case POSITION::RIGHT:
        return allowed({HT::LEFT, HT::TOPLEFT, HT::BOTTOMLEFT});
    case POSITION::TOP:
        return allowed({HT::BOTTOM, HT::BOTTOMLEFT, HT::BOTTOMRIGHT});
    case POSITION::BOTTOM:
        return allowed({HT::TOP, HT::TOPLEFT, HT::TOPRIGHT});
    case POSITION::FLOAT:
    case POSITION::HIDDEN:
        break;
    }
    return code;
}

} // namespace tavrin::gui::placement
