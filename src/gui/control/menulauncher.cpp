#include "gui/control/menulauncher.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "gui/control/executemenu.h"
#include "gui/control/menutag.h"
#include "system/tavrinerrors.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

namespace {

using FLAGS = tvgui::PopUp::FLAGS;

} // namespace

MenuLauncher::MenuLauncher(app::Application& application, ShowFailure showFailure)
    : application_(application), showFailure_(std::move(showFailure)) {}

MenuLauncher::~MenuLauncher() = default;

void MenuLauncher::rebuild() {
    menu_.reset();
    file::Sub& groups = application_.menuGroups();
    if (groups.count() == 0) {
        return;
    }
    const std::string& current = application_.currentMenuGroup();
    std::vector<file::BM_ITEM> records = application_.groupItems(current, {});
    const file::App& settings = application_.settings();
    auto menu = std::make_unique<ExecuteMenu>(iconSize(settings), settings.MenuText());
    const std::vector<std::string> names = groups.names();
    bool defaultGiven = false;
    UINT id = 1;
    for (const std::string& name : names) {
        // Names may repeat; only the first of the current name is shown as current.
        const bool isCurrent = !defaultGiven && name == current;
        defaultGiven = defaultGiven || isCurrent;
        menu->addGroup(name, id++, groups.hasItems(name), isCurrent);
    }
    firstItemId_ = id;
    for (file::BM_ITEM& record : records) {
        menu->addEntry(record, id, id == firstItemId_);
        ++id;
    }
    menu_ = std::move(menu);
}

void MenuLauncher::show(POINT point, tvgui::TvGui& window) {
    while (menu_) {
        const auto chosen =
            static_cast<UINT>(menu_->show(FLAGS::RETURNCMD | FLAGS::NONOTIFY | FLAGS::CENTERALIGN,
                                          point, window.hwnd(), std::nullopt));
        if (chosen == 0) {
            return;
        }
        if (chosen >= firstItemId_) {
            if (file::Item* item = menu_->getData(chosen)) {
                try {
                    application_.execute(*item, nullptr);
                } catch (const system::TavrinException& failure) {
                    showFailure_(failure);
                }
            }
            return;
        }
        // A group: the user goes on choosing among its items at the same place.
        application_.currentMenuGroup(application_.menuGroups().name(chosen - 1));
        rebuild();
    }
}

image::ICONSIZE MenuLauncher::iconSize(const file::App& settings) {
    return app::iconSizeOf(settings.MenuIcon());
}

bool MenuLauncher::measureItem(MEASUREITEMSTRUCT& item, HWND window) {
    return isTagged(item, MENUS::MENU_LAUNCHER) && menu_ && menu_->measure(window, item);
}

bool MenuLauncher::drawItem(const DRAWITEMSTRUCT& item) {
    return isTagged(item, MENUS::MENU_LAUNCHER) && menu_ && menu_->draw(item);
}

} // namespace tavrin::gui
