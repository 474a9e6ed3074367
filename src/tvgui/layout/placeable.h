#pragma once

#include <cstdint>
#include <memory>

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
// Cells hold a window object only through its presence, so a window object that is freed,
// or that lets go of its layouts when its window goes, is skipped by every panel it was in.
class Placeable {
public:
    virtual bool move(int x, int y, int width, int height, bool repaint) = 0;

    // What a cell keeps of this object: expires when the object leaves its layouts.
    std::weak_ptr<Placeable* const> presence() {
        if (!presence_) {
            presence_ = std::make_shared<Placeable* const>(this);
        }
        return presence_;
    }

protected:
    Placeable() = default;
    // A copy is a different object, in no layout yet.
    Placeable(const Placeable&) noexcept {}
    Placeable& operator=(const Placeable&) { return *this; }
    ~Placeable() = default;

    // Every cell that holds this object becomes empty; cells added later hold it again.
    void leaveLayouts() noexcept { presence_.reset(); }

private:
    std::shared_ptr<Placeable* const> presence_;
};

} // namespace tavrin::tvgui
