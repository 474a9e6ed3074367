#include "gui/window/dialog/itemfieldmenu.h"

#include <array>
#include <optional>

#include "file/items/itemfill.h"
#include "gui/window/dialog/browsedialogs.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/convert.h"
#include "utility/itemkey.h"
#include "utility/pathrules.h"

namespace tavrin::gui {
namespace {

using C = FIELD_COMMAND;
using file::ItemEditor;

constexpr std::string_view INITIAL = "初期状態";
constexpr std::string_view FROM_ADDRESS = "アドレスに合わせる";
constexpr std::string_view FROM_ID = "IDに合わせる";
constexpr std::string_view CLEAR = "全部消す";
constexpr std::string_view CHOOSE_FOLDER = "フォルダ選択";

constexpr std::array ID_MENU{FieldEntry{INITIAL, C::ID_INITIAL},
                             FieldEntry{FROM_ADDRESS, C::ID_FROM_ADDRESS}};
constexpr std::array NAME_MENU{FieldEntry{INITIAL, C::NAME_INITIAL},
                               FieldEntry{FROM_ID, C::NAME_FROM_ID},
                               FieldEntry{FROM_ADDRESS, C::NAME_FROM_ADDRESS}};
constexpr std::array ADDRESS_MENU{FieldEntry{INITIAL, C::ADDRESS_INITIAL},
                                  FieldEntry{"全てアドレスに合わせる", C::ADDRESS_FILL_ALL},
                                  FieldEntry{CHOOSE_FOLDER, C::ADDRESS_CHOOSE_FOLDER},
                                  FieldEntry{"ファイル選択", C::ADDRESS_CHOOSE_FILE}};
constexpr std::array WORK_FOLDER_MENU{FieldEntry{INITIAL, C::WORK_FOLDER_INITIAL},
                                      FieldEntry{FROM_ADDRESS, C::WORK_FOLDER_FROM_ADDRESS},
                                      FieldEntry{CHOOSE_FOLDER, C::WORK_FOLDER_CHOOSE}};
constexpr std::array OPTION_MENU{FieldEntry{INITIAL, C::OPTION_INITIAL}};
constexpr std::array ICON_MENU{FieldEntry{INITIAL, C::ICON_INITIAL},
                               FieldEntry{FROM_ADDRESS, C::ICON_FROM_ADDRESS},
                               FieldEntry{"アイコン選択", C::ICON_CHOOSE}};
constexpr std::array SHOW_MENU{FieldEntry{INITIAL, C::SHOW_INITIAL}};
constexpr std::array KEY_MENU{FieldEntry{INITIAL, C::KEY_INITIAL},
                              FieldEntry{FROM_ID, C::KEY_FROM_ID},
                              FieldEntry{"名前に合わせる", C::KEY_FROM_NAME}};
constexpr std::array TAGS_MENU{FieldEntry{INITIAL, C::TAGS_INITIAL},
                               FieldEntry{CLEAR, C::TAGS_CLEAR}};
constexpr std::array REGISTERED_MENU{FieldEntry{INITIAL, C::REGISTERED_INITIAL}};
constexpr std::array LAST_USED_MENU{FieldEntry{INITIAL, C::LAST_USED_INITIAL}};
constexpr std::array USE_MENU{FieldEntry{INITIAL, C::USE_INITIAL},
                              FieldEntry{"カウント初期化", C::USE_RESET}};
constexpr std::array HISTORY_FOLDERS_MENU{FieldEntry{INITIAL, C::HISTORY_FOLDERS_INITIAL},
                                          FieldEntry{CLEAR, C::HISTORY_FOLDERS_CLEAR}};
constexpr std::array HISTORY_OPTIONS_MENU{FieldEntry{INITIAL, C::HISTORY_OPTIONS_INITIAL},
                                          FieldEntry{CLEAR, C::HISTORY_OPTIONS_CLEAR}};
constexpr std::array MEMBERS_MENU{FieldEntry{"このアイテム以外削除", C::MEMBERS_KEEP_ONE}};

// A key letter from the text; a letter no key can be is refused as the conversion's own.
void keyFrom(ItemEditor& current, std::string_view text) {
    const wchar_t letter = utility::toItemKey(text);
    if (letter < L'A' || letter > L'Z') {
        throw system::ConvertException(std::string(text) + "には変換可能文字無し");
    }
    current.key = letter;
}

// The chosen path into the field; a cancelled dialog leaves it.
void chosen(std::string& field, std::optional<std::string> path) {
    if (path) {
        field = std::move(*path);
    }
}

std::string parentOf(const std::string& path) {
    return system::toUtf8(utility::parentFolder(system::toWide(path)));
}

} // namespace

std::span<const FieldEntry> fieldMenu(ITEM_FIELD field) {
    switch (field) {
    case ITEM_FIELD::ID:
        return ID_MENU;
    case ITEM_FIELD::NAME:
        return NAME_MENU;
    case ITEM_FIELD::ADDRESS:
        return ADDRESS_MENU;
    case ITEM_FIELD::WORK_FOLDER:
        return WORK_FOLDER_MENU;
    case ITEM_FIELD::OPTION:
        return OPTION_MENU;
    case ITEM_FIELD::ICON:
        return ICON_MENU;
    case ITEM_FIELD::SHOW:
        return SHOW_MENU;
    case ITEM_FIELD::KEY:
        return KEY_MENU;
    case ITEM_FIELD::TAGS:
        return TAGS_MENU;
    case ITEM_FIELD::REGISTERED:
        return REGISTERED_MENU;
    case ITEM_FIELD::LAST_USED:
        return LAST_USED_MENU;
    case ITEM_FIELD::USE:
        return USE_MENU;
    case ITEM_FIELD::HISTORY_FOLDERS:
        return HISTORY_FOLDERS_MENU;
    case ITEM_FIELD::HISTORY_OPTIONS:
        return HISTORY_OPTIONS_MENU;
    case ITEM_FIELD::MEMBERS:
        return MEMBERS_MENU;
    }
    return {};
}

bool isFieldCommand(unsigned id) noexcept {
    return id >= static_cast<unsigned>(C::ID_INITIAL) &&
           id <= static_cast<unsigned>(C::MEMBERS_KEEP_ONE);
}

void runFieldCommand(FIELD_COMMAND command, ItemEditor& current, const ItemEditor& initial,
                     HWND owner) {
    ItemEditor edit = current;
    switch (command) {
    case C::ID_INITIAL:
        edit.id = initial.id;
        break;
    case C::ID_FROM_ADDRESS:
        edit.id = utility::toItemId(edit.address);
        break;
    case C::NAME_INITIAL:
        edit.name = initial.name;
        break;
    case C::NAME_FROM_ID:
        edit.name = edit.id;
        break;
    case C::NAME_FROM_ADDRESS:
        edit.name = utility::toItemName(edit.address);
        break;
    case C::ADDRESS_INITIAL:
        edit.address = initial.address;
        edit.members = initial.members;
        break;
    case C::ADDRESS_FILL_ALL:
        file::fillFromAddress(edit);
        break;
    case C::WORK_FOLDER_INITIAL:
        edit.workFolder = initial.workFolder;
        break;
    case C::WORK_FOLDER_FROM_ADDRESS:
        edit.workFolder = parentOf(edit.address);
        break;
    case C::OPTION_INITIAL:
        edit.option = initial.option;
        break;
    case C::ICON_INITIAL:
        edit.iconAddress = initial.iconAddress;
        edit.iconIndex = initial.iconIndex;
        break;
    case C::ICON_FROM_ADDRESS:
        edit.iconAddress = edit.address;
        edit.iconIndex = 0;
        break;
    case C::SHOW_INITIAL:
        edit.show = initial.show;
        break;
    case C::KEY_INITIAL:
        edit.key = initial.key;
        break;
    case C::KEY_FROM_ID:
        keyFrom(edit, edit.id);
        break;
    case C::KEY_FROM_NAME:
        keyFrom(edit, edit.name);
        break;
    case C::TAGS_INITIAL:
        edit.tags = initial.tags;
        break;
    case C::TAGS_CLEAR:
        edit.tags.clear();
        break;
    case C::REGISTERED_INITIAL:
        edit.registered = initial.registered;
        break;
    case C::LAST_USED_INITIAL:
        edit.lastUsed = initial.lastUsed;
        break;
    case C::USE_INITIAL:
        edit.useCount = initial.useCount;
        break;
    case C::USE_RESET:
        edit.useCount = 0;
        break;
    case C::HISTORY_FOLDERS_INITIAL:
        edit.historyWorkFolders = initial.historyWorkFolders;
        break;
    case C::HISTORY_FOLDERS_CLEAR:
        edit.historyWorkFolders.clear();
        break;
    case C::HISTORY_OPTIONS_INITIAL:
        edit.historyOptions = initial.historyOptions;
        break;
    case C::HISTORY_OPTIONS_CLEAR:
        edit.historyOptions.clear();
        break;
    case C::ADDRESS_CHOOSE_FOLDER:
        chosen(edit.address, browseForFolder(owner, edit.address));
        break;
    case C::ADDRESS_CHOOSE_FILE:
        chosen(edit.address,
               browseForFileWith(owner, edit.address, "ファイル選択", {{L"全て", L"*.*"}}));
        break;
    case C::WORK_FOLDER_CHOOSE:
        chosen(edit.workFolder, browseForFolder(owner, edit.workFolder));
        break;
    case C::ICON_CHOOSE:
        if (std::optional<std::string> icon = browseForFileWith(
                owner, edit.iconAddress.empty() ? edit.address : edit.iconAddress, "アイコン選択",
                {{L"アイコン", L"*.ico;*.exe;*.dll", L"全て", L"*.*"}})) {
            edit.iconAddress = std::move(*icon);
            edit.iconIndex = 0;
        }
        break;
    case C::MEMBERS_KEEP_ONE:
        break;
    }
    current = std::move(edit);
}

} // namespace tavrin::gui
