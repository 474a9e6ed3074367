#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

#include "system/tavrinerrors.h"
#include "tvgui/layout/layout.h"
#include "tvgui/layout/placeable.h"

namespace tavrin::tvgui::test {

struct Move {
    int x;
    int y;
    int width;
    int height;
    bool repaint;

    friend bool operator==(const Move&, const Move&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Move& move) {
        return out << "(" << move.x << ", " << move.y << ", " << move.width << ", " << move.height
                   << (move.repaint ? ", repaint)" : ")");
    }
};

// The move that places a window with repaint over the rectangle left, top, right, bottom.
inline Move cell(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top, true};
}

// A window object that writes down every move.
class RecordingWindow final : public Placeable {
public:
    std::vector<Move> moves;

    bool move(int x, int y, int width, int height, bool repaint) override {
        moves.push_back({x, y, width, height, repaint});
        return true;
    }
};

// A layout that writes down every rectangle it is laid out over.
class RecordingLayout final : public Layout {
public:
    std::vector<Rect> rects;

protected:
    void arrange(const Rect& rect) override { rects.push_back(rect); }
};

// The TavrinLayoutError the action raises; a test failure when it raises none.
template <typename Action> std::optional<system::TavrinLayoutError> layoutError(Action action) {
    try {
        action();
    } catch (const system::TavrinLayoutError& error) {
        return error;
    }
    ADD_FAILURE() << "no TavrinLayoutError raised";
    return std::nullopt;
}

} // namespace tavrin::tvgui::test

namespace tavrin::tvgui {

inline std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << "[" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
               << "]";
}

} // namespace tavrin::tvgui
