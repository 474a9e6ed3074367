#include "tvgui/menu/menu.h"

#include <cstdio>
#include <string>
#include <utility>

#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/menu/popup.h"

namespace tavrin::tvgui {

namespace {

using MASK = MENUITEM::MASK;
using STATE = MENUITEM::STATE;

// A string item; the record points into text, which must outlive its use.
MENUITEM stringItem(bool enabled, std::wstring& text, UINT id, UINT mask) {
    MENUITEM item;
    item.info.fMask = mask;
    item.info.fType = bits(MENUITEM::TYPE::STRING);
    item.info.fState = bits(enabled ? STATE::ENABLED : STATE::DISABLED);
    item.info.wID = id;
    item.info.dwTypeData = text.data();
    item.info.cch = static_cast<UINT>(text.size());
    return item;
}

// The item's state read by command, or nothing when the menu has no such item.
bool readState(HMENU menu, UINT id, MENUITEMINFOW& info) {
    info = MENUITEM::emptyInfo();
    info.fMask = bits(MASK::STATE, MASK::ID);
    return GetMenuItemInfoW(menu, id, FALSE, &info) != FALSE;
}

} // namespace

Menu::Menu(HMENU handle, bool owned) : system::HandleRaii<HMENU>(handle, owned) {}

void Menu::release() {
    // Sub-menus first: the system destroys a menu's attached sub-menus with it, and their
    // objects must not destroy those handles a second time afterwards.
    for (auto& [id, popUp] : std::exchange(subMenus, {})) {
        popUp->dispose();
    }
    if (!DestroyMenu(handle)) {
        raiseReleaseFailure("メニュー");
    }
    handle = nullptr;
}

bool Menu::keepIf(bool done, const MENUITEM& item) {
    if (done && item.subMenu) {
        subMenus[item.info.wID] = item.subMenu;
    }
    return done;
}

bool Menu::insert(const MENUITEM& item) {
    return keepIf(InsertMenuItemW(handle, item.info.wID, FALSE, &item.info) != FALSE, item);
}

bool Menu::set(const MENUITEM& item) {
    return keepIf(SetMenuItemInfoW(handle, item.info.wID, FALSE, &item.info) != FALSE, item);
}

bool Menu::get(MENUITEM& item) const {
    item.info.cbSize = sizeof(MENUITEMINFOW);
    if (GetMenuItemInfoW(handle, item.info.wID, FALSE, &item.info) == FALSE) {
        return false;
    }
    item.subMenu = subMenu(item.info.wID);
    return true;
}

bool Menu::removeFirst(UINT flags) {
    MENUITEMINFOW info = MENUITEM::emptyInfo();
    info.fMask = bits(MASK::ID, MASK::SUBMENU);
    const BOOL byPosition = (flags & MF_BYPOSITION) != 0 ? TRUE : FALSE;
    if (GetMenuItemInfoW(handle, 0, byPosition, &info) == FALSE) {
        return false;
    }
    if (info.hSubMenu == nullptr) {
        return DeleteMenu(handle, 0, flags) != FALSE;
    }
    // DeleteMenu would destroy the sub-menu under the object that owns it.
    if (RemoveMenu(handle, 0, flags) == FALSE) {
        return false;
    }
    const auto kept = subMenus.find(info.wID);
    if (kept != subMenus.end() && kept->second->get() == info.hSubMenu) {
        subMenus.erase(kept);
    }
    return true;
}

bool Menu::addItem(bool enabled, std::string_view text, UINT id) {
    std::wstring wide = system::toWide(text);
    return insert(stringItem(enabled, wide, id, bits(MASK::STATE, MASK::ID, MASK::TYPE)));
}

bool Menu::addSeparator(UINT id) {
    MENUITEM item;
    item.info.fMask = bits(MASK::ID, MASK::TYPE);
    item.info.fType = bits(MENUITEM::TYPE::SEPARATOR);
    item.info.wID = id;
    return insert(item);
}

bool Menu::addSubMenu(bool enabled, std::shared_ptr<PopUp> popUp, std::string_view text, UINT id) {
    std::wstring wide = system::toWide(text);
    MENUITEM item =
        stringItem(enabled, wide, id, bits(MASK::STATE, MASK::ID, MASK::SUBMENU, MASK::TYPE));
    item.info.hSubMenu = popUp->get();
    item.subMenu = std::move(popUp);
    return insert(item);
}

UINT Menu::idAt(int position) const {
    MENUITEMINFOW info = MENUITEM::emptyInfo();
    info.fMask = bits(MASK::ID);
    if (GetMenuItemInfoW(handle, static_cast<UINT>(position), TRUE, &info) == FALSE) {
        throw system::MenuException("めにゅー");
    }
    return info.wID;
}

std::shared_ptr<PopUp> Menu::subMenu(UINT id) const {
    const auto kept = subMenus.find(id);
    return kept == subMenus.end() ? nullptr : kept->second;
}

bool Menu::checkRadio(UINT id, UINT first, UINT last) {
    if (id < first || id > last) {
        throw system::MenuException("範囲外");
    }
    return CheckMenuRadioItem(handle, first, last, id, MF_BYCOMMAND) != FALSE;
}

bool Menu::isChecked(UINT id) const {
    MENUITEMINFOW info;
    if (!readState(handle, id, info)) {
        throw system::MenuException("チェックマーク取得失敗");
    }
    return (info.fState & bits(STATE::CHECKED)) != 0;
}

void Menu::setChecked(bool check, UINT id) {
    MENUITEMINFOW info;
    if (!readState(handle, id, info)) {
        throw system::MenuException("メニュー項目取得失敗");
    }
    info.fState =
        check ? (info.fState | bits(STATE::CHECKED)) : (info.fState & ~bits(STATE::CHECKED));
    if (SetMenuItemInfoW(handle, id, FALSE, &info) == FALSE) {
        throw system::MenuException("チェックマーク設定失敗");
    }
}

UINT Menu::enableItem(UINT flags, UINT id) {
    const auto before = static_cast<UINT>(EnableMenuItem(handle, id, flags));
    if (before == static_cast<UINT>(-1)) {
        char text[32];
        std::snprintf(text, sizeof text, "ID(%08x)", id);
        throw system::MenuException(std::string(text) + "見つからず");
    }
    return before;
}

} // namespace tavrin::tvgui
