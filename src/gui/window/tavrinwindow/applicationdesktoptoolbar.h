#pragma once

#include "system/raii.h"
#include "system/win32.h"

#include <shellapi.h>

namespace tavrin::tvgui {
class TvGui;
}

namespace tavrin::gui {

// A window registered with the shell as a desktop toolbar on one screen edge, so that the
// shell keeps the rest of the desktop clear of it. Registered from construction to release;
// each docked period has an object of its own. Auto-hide is not offered.
class ApplicationDesktopToolBar final : public system::Raii {
public:
    enum class ABE : UINT {
        LEFT = ABE_LEFT,
        TOP = ABE_TOP,
        RIGHT = ABE_RIGHT,
        BOTTOM = ABE_BOTTOM
    };

    // Registers the window; the shell's notifications arrive as callbackMessage.
    ApplicationDesktopToolBar(tvgui::TvGui& window, UINT callbackMessage);
    ~ApplicationDesktopToolBar() override;

    // The edge last docked at.
    ABE edge() const noexcept { return edge_; }

    // Places the window on the edge with the thickness it has now, in the room the shell
    // leaves beside the bars registered before it, and reserves that room.
    void dock(ABE edge);
    // The window was activated.
    void activate();
    // The window was moved or resized.
    void positionChanged();

    // The band of rect along edge as thick as the window: the side away from the edge is
    // moved, the edge's own side stays where it is.
    static RECT cutToThickness(RECT rect, ABE edge, SIZE thickness) noexcept;

protected:
    void release() override;

private:
    APPBARDATA record() const noexcept;

    tvgui::TvGui& window_;
    UINT callbackMessage_;
    ABE edge_ = ABE::LEFT;
};

} // namespace tavrin::gui
