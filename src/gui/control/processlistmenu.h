#pragma once

#include "tvgui/menu/datamenu.h"
#include "tvgui/window/window.h"

namespace tavrin::tvgui {
class TvGui;
}

namespace tavrin::gui {

// The process menu: the desktop's visible, titled top-level windows that stand on their own
// (no owner, no tool window), in z-order, each with its small icon; the chosen one is brought
// forward.
class ProcessListMenu final : public tvgui::DataMenu<tvgui::OtherWindow> {
public:
    // Icons drawn at the size given.
    explicit ProcessListMenu(image::ICONSIZE size);
    ~ProcessListMenu() override { releaseAtEnd(system::logRefusedRelease); }

    // Lists the windows as they are now; the first entry has the id 1.
    void fill();
    // Fills, tracks at the cursor owned by window and brings the chosen window forward.
    void show(tvgui::TvGui& window);
    // Restores the window of the entry when it is minimised, else raises it to the top
    // without activating it. TavrinException "既に存在しないウィンドウ" when it has closed
    // since, "AppButton_Proc_RButtonDown:ProcessListMenu.get(MENUITEM)" for an id bound to
    // no window.
    void bringForward(UINT id) const;

private:
    void add(HWND window);
};

} // namespace tavrin::gui
