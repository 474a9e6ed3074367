#pragma once

#include <memory>
#include <vector>

#include "gui/control/openexecutedialog.h"
#include "gui/control/showfailure.h"
#include "system/win32.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::app {
class Application;
}
namespace tavrin::file {
class Item;
}
namespace tavrin::tvgui {
class ToolTip;
class TvGui;
} // namespace tavrin::tvgui

namespace tavrin::gui {

class ItemMenu;
class TavrinToolBar;

// The logic of the button launcher: fills the tool bar from the current sub-group, owns the
// menus around it (groups, the button list, an item's menu and its folder's files) and
// carries out each way the user reaches a button's item: the button pressed, the button list
// and the button's drop-down menu. Launch failures go to ShowFailure.
class ButtonLauncher {
public:
    ButtonLauncher(app::Application& application, tvgui::ToolTip& toolTip, TavrinToolBar& toolBar,
                   ShowFailure showFailure, OpenExecuteDialog openExecuteDialog);
    ~ButtonLauncher();
    ButtonLauncher(const ButtonLauncher&) = delete;
    ButtonLauncher& operator=(const ButtonLauncher&) = delete;

    // Refills the tool bar, its tool tips and the menus from the application's current
    // group and sub-group; an empty bar when there is none.
    void rebuild();
    // The window's context menu: the main groups and their sub-groups; a choice becomes the
    // current group and sub-group and the bar is rebuilt.
    void showGroupMenu(tvgui::TvGui& window);
    // Starts the item of the button the tool bar reports pressed by its command.
    void pressed(int command);
    // The owner-drawn list of the buttons' items at the cursor, whose choice starts; nothing
    // when there are no buttons.
    void showButtonList(tvgui::TvGui& window);
    // The item menu of the button whose drop-down arrow was pressed, and its action.
    void onDropDown(const NMTOOLBARW& notification, tvgui::TvGui& window);
    // Fills the item's folder menu when it opens; false for any other menu.
    bool fillFileMenu(HMENU opened);
    // Measures and draws the items of its owner-drawn menus; false for other items.
    bool measureItem(MEASUREITEMSTRUCT& item, HWND window);
    bool drawItem(const DRAWITEMSTRUCT& item);

private:
    struct Menus;

    void start(file::Item& item);
    // Carries out the item menu's choice for the item.
    void act(const ItemMenu& menu, UINT chosen, file::Item& item, tvgui::TvGui& window);

    app::Application& application_;
    tvgui::ToolTip& toolTip_;
    TavrinToolBar& toolBar_;
    ShowFailure showFailure_;
    OpenExecuteDialog openExecuteDialog_;
    std::vector<file::Item*> items_;
    std::unique_ptr<Menus> menus_;
};

} // namespace tavrin::gui
