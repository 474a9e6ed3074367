#include "app/application.h"
#include "gui/control/menutag.h"
#include "gui/window/dialog/guardedaction.h"
#include "gui/window/tavrinwindow/tavrinwindow.h"
#include "system/scopeguard.h"

namespace tavrin::gui {

bool TavrinWindow::OnMouseMiddleDown(tvgui::MOUSE_KEY, int, int) {
    showMenuLauncher();
    return true;
}

void TavrinWindow::showMenuLauncher() {
    if (!menuLauncher_) {
        return;
    }
    // The press may come from the tray or the desktop as well: the menu opens where the
    // mouse is.
    POINT cursor{};
    GetCursorPos(&cursor);
    guarded(*this, [this, cursor] { menuLauncher_->show(cursor, *this); });
}

void TavrinWindow::showProcessMenu() {
    processMenu_ =
        std::make_unique<ProcessListMenu>(MenuLauncher::iconSize(application_->settings()));
    const system::ScopeGuard released([this] { processMenu_.reset(); });
    guarded(*this, [this] { processMenu_->show(*this); });
}

bool TavrinWindow::measureLauncherMenus(MEASUREITEMSTRUCT& item) {
    if (menuLauncher_ && menuLauncher_->measureItem(item, hwnd())) {
        return true;
    }
    return processMenu_ && isTagged(item, MENUS::PROCESS) && processMenu_->measure(hwnd(), item);
}

bool TavrinWindow::drawLauncherMenus(const DRAWITEMSTRUCT& item) {
    if (menuLauncher_ && menuLauncher_->drawItem(item)) {
        return true;
    }
    return processMenu_ && isTagged(item, MENUS::PROCESS) && processMenu_->draw(item);
}

} // namespace tavrin::gui
