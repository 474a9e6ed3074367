#pragma once

#include <memory>

#include "gui/control/showfailure.h"
#include "image/icon.h"
#include "system/win32.h"

namespace tavrin::app {
class Application;
}
namespace tavrin::file {
class App;
}
namespace tavrin::tvgui {
class TvGui;
}

namespace tavrin::gui {

class ExecuteMenu;

// The menu launcher: the menu groups, then the items of the current one, at a point; a chosen
// item is started, a chosen group becomes current and the menu opens again with its items.
class MenuLauncher {
public:
    // Launch failures go to showFailure.
    MenuLauncher(app::Application& application, ShowFailure showFailure);
    ~MenuLauncher();
    MenuLauncher(const MenuLauncher&) = delete;
    MenuLauncher& operator=(const MenuLauncher&) = delete;

    // Builds the menu anew from the menu groups and the application's current menu group;
    // no menu at all while there are no menu groups.
    void rebuild();
    // Tracks the menu at the screen point, owned by window, and acts on the choice; nothing
    // without a menu.
    void show(POINT point, tvgui::TvGui& window);
    // The menu as built (null without menu groups) and the id of its first item entry: the
    // ids below it are the groups', from 1.
    const ExecuteMenu* menu() const noexcept { return menu_.get(); }
    UINT firstItemId() const noexcept { return firstItemId_; }

    // The size the setting MenuIcon asks for, in 96-DPI pixels.
    static image::ICONSIZE iconSize(const file::App& settings);

    // Measures and draws the items of its menu; false for other items.
    bool measureItem(MEASUREITEMSTRUCT& item, HWND window);
    bool drawItem(const DRAWITEMSTRUCT& item);

private:
    app::Application& application_;
    ShowFailure showFailure_;
    std::unique_ptr<ExecuteMenu> menu_;
    UINT firstItemId_ = 1;
};

} // namespace tavrin::gui
