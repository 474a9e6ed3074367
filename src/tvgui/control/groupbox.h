#pragma once

#include "tvgui/control/button.h"
#include "tvgui/layout/layoutmanager.h"
#include "tvgui/window/subclass.h"

namespace tavrin::tvgui {

// A captioned frame drawn around controls that are its siblings: its layout places them
// inside the frame whenever the box is moved or sized.
class GroupBox : public Button, public ISubClass {
public:
    // Lays out the inner area of the frame, in the coordinates of the box's parent.
    class GroupLayout : public LayoutManager {
    public:
        // frame: how far the inner area keeps from the box's edges (the top one clears the
        // caption).
        explicit GroupLayout(const Insets& frame);

        // The box's rectangle, less the frame and the layout's margin.
        Rect inner(const Rect& box) const;
        // The box now covers that rectangle: the root is laid out over its inner area.
        void onBox(const Rect& box);
    };

    GroupBox(ITEM_ID id, TvGui& owner);

    GroupLayout& groupLayout() noexcept { return groupLayout_; }

    LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Insets frame() const;

    GroupLayout groupLayout_;
    SubClass subClass_;
};

} // namespace tavrin::tvgui
