#pragma once

#include <cstdint>

namespace tavrin::tvgui {

// A rectangle in client coordinates of the window being laid out: left, top, right, bottom.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// What a layout cell moves: a window object. Panels see windows only through this, so the
// layout arithmetic has no Windows header and is tested natively as well.
class Placeable {
public:
    virtual bool move(int x, int y, int width, int height, bool repaint) = 0;

protected:
    Placeable() = default;
    Placeable(const Placeable&) = default;
    Placeable& operator=(const Placeable&) = default;
    ~Placeable() = default;
};

} // namespace tavrin::tvgui
