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

void snapSizing(SIDEFLAG side, RECT& rect, SIZE frame, SIZE button, SIZE title) noexcept {
    const LONG across = (rect.right - rect.left) / button.cx * button.cx;
    const LONG down = (rect.bottom - rect.top) / button.cy * button.cy;
    const auto is = [side](std::initializer_list<SIDEFLAG> sides) {
        return std::find(sides.begin(), sides.end(), side) != sides.end();
    };
    if (is({SIDEFLAG::LEFT, SIDEFLAG::TOPLEFT, SIDEFLAG::BOTTOMLEFT})) {
        rect.left = rect.right - frame.cx - across - title.cx;
    }
    if (is({SIDEFLAG::RIGHT, SIDEFLAG::TOPRIGHT, SIDEFLAG::BOTTOMRIGHT})) {
        rect.right = rect.left + across + frame.cx + title.cx;
    }
    if (is({SIDEFLAG::TOP, SIDEFLAG::TOPLEFT, SIDEFLAG::TOPRIGHT})) {
        rect.top = rect.bottom - frame.cy - down - title.cy;
    }
    if (is({SIDEFLAG::BOTTOM, SIDEFLAG::BOTTOMLEFT, SIDEFLAG::BOTTOMRIGHT})) {
        rect.bottom = rect.top + down + frame.cy + title.cy;
    }
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
