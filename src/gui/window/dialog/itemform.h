#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "file/items/itemeditor.h"
#include "file/items/itemvalidation.h"
#include "gui/control/limitedcombobox.h"
#include "gui/window/dialog/itemaddress.h"
#include "gui/window/dialog/itemfieldmenu.h"
#include "tvgui/control/button.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/statc.h"
#include "tvgui/layout/dual.h"
#include "tvgui/layout/line.h"

namespace tavrin::gui {

// The child ids of the item form's controls; a field's menu button is FIELD_BUTTON plus the
// field's ITEM_FIELD.
enum class ITEM_CTRL : std::uint16_t {
    ID = 20,
    NAME,
    TYPE,
    ADDRESS,
    MEMBERS,
    WORK_FOLDER,
    OPTION,
    ICON,
    ICON_INDEX,
    SHOW,
    KEY,
    COMMENT,
    TAGS,
    REGISTERED,
    LAST_USED,
    USE,
    HISTORY_FOLDERS,
    HISTORY_OPTIONS,
    TYPE_LABEL,
    COMMENT_LABEL,
    FIELD_BUTTON = 60,
};

// The editor of one item: a row per setting, each with its caption (a button that opens the
// field's menu where it has one), laid out in one column. It shows an ItemEditor and reads
// the edit back; the history is shown, not typed, and changes only through the menus.
class ItemForm {
public:
    explicit ItemForm(tvgui::TvGui& dialog);
    ~ItemForm();

    void load(const file::ItemEditor& editor);
    // The edit as the controls hold it. Raises ItemSetException "アイコン番号が変" for an
    // icon number that is no number of 0 or more.
    file::ItemEditor read() const;

    // Shows the address input of the kind now chosen.
    void kindChanged();
    // Puts the focus into the field, to mend what a check refused there.
    void focus(file::EDITOR_FIELD field);
    void focusIconIndex();
    MultiInput& members() noexcept { return address_.list(); }

    tvgui::Layout& layout() noexcept { return column_; }
    // The height of the column in 96-DPI pixels.
    static std::int32_t height();

private:
    // A caption beside its content; each is a window or a panel.
    template <typename Caption, typename Content>
    tvgui::Layout& row(Caption& caption, Content& content);
    tvgui::Push& fieldButton(ITEM_FIELD field, std::string_view caption);
    // The field's caption kept one row high beside a taller content.
    tvgui::Layout& topCaption(ITEM_FIELD field, std::string_view caption);

    tvgui::TvGui& dialog_;
    file::ItemEditor shown_;
    std::vector<std::unique_ptr<tvgui::Push>> buttons_;
    std::vector<std::unique_ptr<tvgui::Layout>> cells_;
    tvgui::TextLabel typeLabel_;
    tvgui::TextLabel commentLabel_;
    tvgui::EditLine id_;
    tvgui::EditLine name_;
    TypeComboBox type_;
    ItemAddress address_;
    tvgui::EditLine workFolder_;
    tvgui::EditLine option_;
    tvgui::EditLine icon_;
    tvgui::EditLine iconIndex_;
    ShowComboBox show_;
    KeyComboBox key_;
    tvgui::EditLine comment_;
    // One tag a line: a tag may hold blanks, but no line break.
    tvgui::MultiEdit tags_;
    tvgui::EditLine registered_;
    tvgui::EditLine lastUsed_;
    tvgui::EditLine use_;
    tvgui::EditLine historyFolders_;
    tvgui::EditLine historyOptions_;
    tvgui::Line column_;
};

} // namespace tavrin::gui
