#include "gui/window/tavrinwindow/windowmenu.h"

#include <memory>
#include <optional>

#include "tvgui/menu/popup.h"

namespace tavrin::gui {

using POSITION = file::App::POSITION;
using tvgui::PopUp;

WindowMenu::ID WindowMenu::choose(const State& state, HWND owner) {
    auto window = std::make_shared<PopUp>();
    window->addItem(true, "左部", LEFT);
    window->addItem(true, "上部", TOP);
    window->addItem(true, "右部", RIGHT);
    window->addItem(true, "下部", BOTTOM);
    window->addItem(true, "フロート", FLOAT);
    window->addSeparator(7);
    window->addItem(true, "最前面", FRONT);
    window->addSeparator(9);
    window->addItem(true, "非表示", HIDDEN);
    window->checkRadio(idOf(state.position), LEFT, HIDDEN);
    window->setChecked(state.front, FRONT);

    PopUp menu;
    menu.addSubMenu(true, window, "ウィンドウ", WINDOW);
    // No tools are installed yet.
    menu.addSubMenu(false, std::make_shared<PopUp>(), "ツール", TOOLS);
    menu.addSeparator(11);
    menu.addItem(true, "設定", SETTINGS);
    menu.addSeparator(13);
    menu.addItem(state.helpExists, "ヘルプ", HELP);
    menu.addSeparator(15);
    menu.addItem(true, "バージョン", VERSION);
    menu.addSeparator(17);
    menu.addItem(true, "終了", EXIT);
    return static_cast<ID>(menu.showAtCursor(PopUp::FLAGS::RETURNCMD, owner, std::nullopt));
}

std::optional<POSITION> WindowMenu::position(ID id) noexcept {
    switch (id) {
    case LEFT:
        return POSITION::LEFT;
    case TOP:
        return POSITION::TOP;
    case RIGHT:
        return POSITION::RIGHT;
    case BOTTOM:
        return POSITION::BOTTOM;
    case FLOAT:
        return POSITION::FLOAT;
    case HIDDEN:
        return POSITION::HIDDEN;
    default:
        return std::nullopt;
    }
}

WindowMenu::ID WindowMenu::idOf(POSITION position) noexcept {
    switch (position) {
    case POSITION::LEFT:
        return LEFT;
    case POSITION::TOP:
        return TOP;
    case POSITION::RIGHT:
        return RIGHT;
    case POSITION::BOTTOM:
        return BOTTOM;
    case POSITION::FLOAT:
        return FLOAT;
    case POSITION::HIDDEN:
        break;
    }
    return HIDDEN;
}

} // namespace tavrin::gui
