#pragma once

#include <memory>
#include <string>

#include "file/items/item.h"
#include "gui/control/itemfilemenu.h"
#include "tvgui/menu/popup.h"

namespace tavrin::gui {

// The menu of one button's item: start it, open or copy its folders and fields, show its
// properties and, for a folder, its files. Entries whose target is missing are greyed; what
// exists is asked of the file system when the menu is made.
class ItemMenu final : public tvgui::PopUp {
public:
    enum class ITEMID : UINT {
        EXECUTE = 1,
        EXECUTE_DIALOG = 2,
        SEPARATOR_EXECUTE = 3,
        ADDRESS_MENU = 4,
        OPEN_PARENT = 5,
        OPEN_WORK_FOLDER = 6,
        SEPARATOR_OPEN = 7,
        COPY_ADDRESS = 8,
        COPY_PARENT = 9,
        COPY_WORK_FOLDER = 10,
        COPY_OPTION = 11,
        SEPARATOR_PROPERTIES = 12,
        PROPERTIES = 13,
        FILE_MENU = 14,
    };

    // What the entries act on, environment variables expanded.
    struct Targets {
        std::string address;
        std::string parent;
        std::string workFolder;
        std::string option;
    };

    ItemMenu(const file::Item& item, image::ICONSIZE fileIconSize);
    ~ItemMenu() override { releaseAtEnd(system::logRefusedRelease); }

    const Targets& targets() const noexcept { return targets_; }
    // The files of the item's folder; null unless the address is an existing folder.
    const std::shared_ptr<ItemFileMenu>& fileMenu() const noexcept { return fileMenu_; }

private:
    Targets targets_;
    std::shared_ptr<ItemFileMenu> fileMenu_;
};

} // namespace tavrin::gui
