#pragma once

#include <map>
#include <memory>
#include <string_view>

#include "system/log.h"
#include "system/raii.h"
#include "system/win32.h"
#include "tvgui/menu/menuitem.h"

namespace tavrin::tvgui {

// A native menu and the objects of its items' sub-menus, which it keeps alive. The handle is
// destroyed on release only when this object created it; releasing a menu releases its
// sub-menus first, so that releasing a root menu releases the whole tree once.
class Menu : public system::HandleRaii<HMENU> {
public:
    // Over a menu handle made elsewhere; destroyed on release only when owned.
    Menu(HMENU handle, bool owned);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu() override { releaseAtEnd(system::logRefusedRelease); }

    using system::HandleRaii<HMENU>::get;

    // Inserts before the item of the record's id (at the end when there is none) and keeps
    // the record's sub-menu object; whether the system inserted.
    virtual bool insert(const MENUITEM& item);
    // Changes the item of the record's id and keeps the record's sub-menu object.
    virtual bool set(const MENUITEM& item);
    // Reads the fields the record's mask names from the item of the record's id.
    virtual bool get(MENUITEM& item) const;
    // Removes item 0 (the first item with MF_BYPOSITION). A sub-menu is detached, not
    // destroyed: its handle stays with its object, which destroys it once when released.
    bool removeFirst(UINT flags);

    bool addItem(bool enabled, std::string_view text, UINT id);
    bool addSeparator(UINT id);
    bool addSubMenu(bool enabled, std::shared_ptr<PopUp> popUp, std::string_view text, UINT id);

    // MenuException "めにゅー" when there is no item at the position.
    UINT idAt(int position) const;
    // Null when the item has no sub-menu object here.
    std::shared_ptr<PopUp> subMenu(UINT id) const;
    // Checks id with a radio mark and clears the others of first..last; MenuException "範囲外"
    // for an id outside that range, before the menu is touched.
    bool checkRadio(UINT id, UINT first, UINT last);
    // MenuException "チェックマーク取得失敗" when the item cannot be read.
    bool isChecked(UINT id) const;
    // MenuException "メニュー項目取得失敗" when the item cannot be read, "チェックマーク設定失敗"
    // when it cannot be written.
    void setChecked(bool check, UINT id);
    // The item's earlier state; MenuException "ID(<id in eight hex digits>)見つからず" when the
    // menu has no such item.
    UINT enableItem(UINT flags, UINT id);

protected:
    void release() override;

private:
    bool keepIf(bool done, const MENUITEM& item);

    std::map<UINT, std::shared_ptr<PopUp>> subMenus;
};

} // namespace tavrin::tvgui
