#include "gui/control/executemenu.h"

#include <utility>

#include "gui/control/menutag.h"
#include "utility/menutext.h"

namespace tavrin::gui {

using tvgui::bits;
using TYPE = tvgui::MENUITEM::TYPE;
using STATE = tvgui::MENUITEM::STATE;

ExecuteMenu::ExecuteMenu(image::ICONSIZE size, std::int64_t textLimit) : textLimit_(textLimit) {
    iconSize(size);
}

void ExecuteMenu::addGroup(std::string_view name, UINT id, bool enabled, bool current) {
    addItem(enabled, name, id);
    if (current) {
        SetMenuDefaultItem(get(), id, FALSE);
    }
}

void ExecuteMenu::addEntry(file::BM_ITEM& record, UINT id, bool first) {
    tvgui::MENUITEM entry = taggedItem(id, MENUS::MENU_LAUNCHER);
    if (first) {
        entry.info.fType |= bits(TYPE::MENUBARBREAK);
    }
    entry.info.fState = bits(record.usable ? STATE::ENABLED : STATE::DISABLED);
    addData(entry, {utility::menuText(record.caption, textLimit_), std::move(record.icon)},
            record.item);
}

} // namespace tavrin::gui
