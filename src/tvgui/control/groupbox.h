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
        // caption), in pixels of the box: it is measured, not a layout rule.
        explicit GroupLayout(const Insets& frame);

        void setFrame(const Insets& frame) { frame_ = frame; }
        // The box's rectangle, less the frame and the layout's margin.
        Rect inner(const Rect& box) const;
        // The box at the DPI now covers that rectangle: the root is laid out over its inner
        // area.
        void onBox(const Rect& box, int dpi = BASE_DPI);

    protected:
        void arrange(const Rect& box) override;

    private:
        Insets frame_;
    };

    GroupBox(ITEM_ID id, TvGui& owner);

    GroupLayout& groupLayout() noexcept { return groupLayout_; }

    LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The edges and the caption's height at the box's DPI.
    Insets frame() const;
    // Lays the inner area out over the box as it now is.
    void layOutInside();
    void eraseInside(HDC dc) const;

    GroupLayout groupLayout_;
    SubClass subClass_;
};

} // namespace tavrin::tvgui
