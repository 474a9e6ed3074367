#pragma once

#include "tvgui/control/button.h"
#include "tvgui/window/subclass.h"

namespace tavrin::gui {

// A strip in the caption colours along one side of its owner's client area, standing in for
// the caption the launcher's pop-up windows do not have: dragging it moves the owner.
class TitleBar : public tvgui::Push, public tvgui::ISubClass {
public:
    enum class POSITION { HORIZONTAL = 0, VERTICAL = 1 };

    TitleBar(tvgui::ITEM_ID id, tvgui::TvGui& owner);

    // The side the strip lies along. Named apart from position(), which every control
    // answers with its corner in the parent.
    POSITION orientation() const noexcept { return position_; }
    // Lays the strip along the other side and fits it to the owner again.
    void position(POSITION where);
    using Push::position;

    // Starts moving the owner as a press on its caption at the point (x low, y high) would.
    virtual void dragOwner(LPARAM point);
    // Paints the strip; the owner hands it its WM_DRAWITEM.
    virtual void drawItem(const DRAWITEMSTRUCT& item);
    // Paints the strip in the active or the inactive caption colour.
    virtual void setActive(bool active);
    // Sizes the strip to the owner's client area: (thickness, height) when vertical, else
    // (width, thickness). TavrinGuiException "sizeTune:OwnerWnd.clientSize" when the owner's
    // size cannot be read.
    virtual void fitToOwner();
    virtual bool isVertical() const;
    // Half a scroll bar's breadth at the strip's DPI.
    virtual int thickness() const;

    bool OnMouseLeftDown(tvgui::MOUSE_KEY key, int x, int y) override;
    // The system class calls no handler of the toolkit: the left press is routed here.
    LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The owner window: the strip's parent.
    HWND ownerWindow() const;
    void fill(HDC dc, const RECT& area, bool active) const;

    POSITION position_ = POSITION::VERTICAL;
    tvgui::SubClass subClass_;
};

// The launcher's title bar: a right press asks the owner for the list of its buttons.
class TavrinTitleBar final : public TitleBar {
public:
    // Sent to the owner on a right press; the owner shows the button list and starts the
    // chosen item before the message returns.
    static constexpr UINT BUTTON_LIST_MESSAGE = 0x8003;

    TavrinTitleBar(tvgui::ITEM_ID id, tvgui::TvGui& owner);

    LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace tavrin::gui
