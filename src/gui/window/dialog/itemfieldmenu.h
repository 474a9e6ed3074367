#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "file/items/itemeditor.h"
#include "system/win32.h"
#include "tvgui/window/messageloop.h"

namespace tavrin::gui {

// The fields of the item form that have a menu of their own.
enum class ITEM_FIELD : std::uint8_t {
    ID,
    NAME,
    ADDRESS,
    WORK_FOLDER,
    OPTION,
    ICON,
    SHOW,
    KEY,
    TAGS,
    REGISTERED,
    LAST_USED,
    USE,
    HISTORY_FOLDERS,
    HISTORY_OPTIONS,
    MEMBERS,
};

// The entries of the fields' menus, as the menu commands they send.
enum class FIELD_COMMAND : std::uint16_t {
    ID_INITIAL = 200,
    ID_FROM_ADDRESS,
    NAME_INITIAL,
    NAME_FROM_ID,
    NAME_FROM_ADDRESS,
    ADDRESS_INITIAL,
    ADDRESS_FILL_ALL,
    WORK_FOLDER_INITIAL,
    WORK_FOLDER_FROM_ADDRESS,
    OPTION_INITIAL,
    ICON_INITIAL,
    ICON_FROM_ADDRESS,
    SHOW_INITIAL,
    KEY_INITIAL,
    KEY_FROM_ID,
    KEY_FROM_NAME,
    TAGS_INITIAL,
    TAGS_CLEAR,
    REGISTERED_INITIAL,
    LAST_USED_INITIAL,
    USE_INITIAL,
    USE_RESET,
    HISTORY_FOLDERS_INITIAL,
    HISTORY_FOLDERS_CLEAR,
    HISTORY_OPTIONS_INITIAL,
    HISTORY_OPTIONS_CLEAR,
    ADDRESS_CHOOSE_FOLDER,
    ADDRESS_CHOOSE_FILE,
    WORK_FOLDER_CHOOSE,
    ICON_CHOOSE,
    // Needs the caret of the member list, so the form carries it out.
    MEMBERS_KEEP_ONE,
};

struct FieldEntry {
    std::string_view label;
    FIELD_COMMAND command;
};

// The field's menu entries in the order shown; "初期状態" first wherever the field has it.
std::span<const FieldEntry> fieldMenu(ITEM_FIELD field);

// Whether the id is one of the menus' commands.
bool isFieldCommand(unsigned id) noexcept;

// Carries out a menu entry on the edit; initial is the item as it was loaded, owner the window
// the file and folder dialogs open over (cancelling them changes nothing). Raises the
// conversions' ConvertException and ItemSetException of fillFromAddress, leaving the edit as
// it was.
void runFieldCommand(FIELD_COMMAND command, file::ItemEditor& current,
                     const file::ItemEditor& initial, HWND owner);

} // namespace tavrin::gui
