#pragma once

#include "system/win32.h"
#include "tvgui/menu/menuitem.h"

namespace tavrin::gui {

// The tags that owner-drawn items of the launcher's menus carry as their item data, so that
// the window hands each WM_MEASUREITEM and WM_DRAWITEM to the menu that drew the item.
enum class MENUS : ULONG_PTR { MENU_LAUNCHER = 1, BUTTON_LIST = 2, ITEM_FILE = 3, PROCESS = 4 };

// An enabled owner-drawn item with the tag.
inline tvgui::MENUITEM taggedItem(UINT id, MENUS tag) {
    using MASK = tvgui::MENUITEM::MASK;
    tvgui::MENUITEM item;
    item.info.fMask = tvgui::bits(MASK::ID, MASK::TYPE, MASK::STATE, MASK::DATA);
    item.info.fType = tvgui::bits(tvgui::MENUITEM::TYPE::OWNERDRAW);
    item.info.wID = id;
    item.info.dwItemData = static_cast<ULONG_PTR>(tag);
    return item;
}

// Whether the item was drawn under the tag.
template <typename Record> bool isTagged(const Record& item, MENUS tag) {
    return item.CtlType == ODT_MENU && item.itemData == static_cast<ULONG_PTR>(tag);
}

} // namespace tavrin::gui
