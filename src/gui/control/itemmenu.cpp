#include "gui/control/itemmenu.h"

#include "file/items/itemfunctions.h"
#include "shell/path.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/environment.h"
#include "utility/pathrules.h"

namespace tavrin::gui {

namespace {

using ITEMID = ItemMenu::ITEMID;
using system::toUtf8;
using system::toWide;
using utility::expandEnvironment;

enum class FOUND { NOTHING, FILE, FOLDER };

// A path the system cannot tell about is as useless to the menu as a missing one.
FOUND found(const std::string& path) {
    if (path.empty()) {
        return FOUND::NOTHING;
    }
    try {
        return shell::isFolder(toWide(path)) ? FOUND::FOLDER : FOUND::FILE;
    } catch (const system::TavrinFileException&) {
        return FOUND::NOTHING;
    }
}

std::string addressOf(const file::Item& item) {
    switch (item.type()) {
    case file::Item::TYPE::NORMAL:
        return expandEnvironment(item.fileAddress());
    case file::Item::TYPE::URI:
        return expandEnvironment(item.uriAddress());
    case file::Item::TYPE::MULTI:
    case file::Item::TYPE::LINK:
        break;
    }
    return {};
}

UINT id(ITEMID entry) {
    return static_cast<UINT>(entry);
}

} // namespace

ItemMenu::ItemMenu(const file::Item& item, image::ICONSIZE fileIconSize) {
    const std::string address = addressOf(item);
    targets_ = {address, toUtf8(utility::parentFolder(toWide(address))),
                expandEnvironment(file::workFolderOf(item)), item.option()};
    const FOUND addressFound = found(address);
    const bool addressExists = addressFound != FOUND::NOTHING;
    const bool parentExists = found(targets_.parent) != FOUND::NOTHING;
    const bool workFolderExists = found(targets_.workFolder) != FOUND::NOTHING;

    addItem(true, "通常実行", id(ITEMID::EXECUTE));
    addItem(addressExists, "指定して実行", id(ITEMID::EXECUTE_DIALOG));
    addSeparator(id(ITEMID::SEPARATOR_EXECUTE));

    auto folders = std::make_shared<PopUp>();
    folders->addItem(parentExists, "親フォルダを開く", id(ITEMID::OPEN_PARENT));
    folders->addItem(workFolderExists, "作業フォルダを開く", id(ITEMID::OPEN_WORK_FOLDER));
    folders->addSeparator(id(ITEMID::SEPARATOR_OPEN));
    folders->addItem(addressExists, "アドレスをコピー", id(ITEMID::COPY_ADDRESS));
    folders->addItem(parentExists, "親フォルダをコピー", id(ITEMID::COPY_PARENT));
    folders->addItem(workFolderExists, "作業フォルダをコピー", id(ITEMID::COPY_WORK_FOLDER));
    folders->addItem(!targets_.option.empty(), "オプションをコピー", id(ITEMID::COPY_OPTION));
    addSubMenu(true, std::move(folders), "アドレス", id(ITEMID::ADDRESS_MENU));

    if (addressFound == FOUND::FOLDER) {
        fileMenu_ = std::make_shared<ItemFileMenu>(toUtf8(utility::addBackslash(toWide(address))),
                                                   fileIconSize);
        addSubMenu(true, fileMenu_, "ファイル", id(ITEMID::FILE_MENU));
    }
    addSeparator(id(ITEMID::SEPARATOR_PROPERTIES));
    addItem(addressExists, "プロパティ", id(ITEMID::PROPERTIES));
}

} // namespace tavrin::gui
