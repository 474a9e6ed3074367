#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/app.h"
#include "file/items/itemeditor.h"
#include "gui/window/dialog/itemfieldmenu.h"
#include "gui/window/dialog/selectdialog.h"
#include "gui/window/dialog/settinginframe.h"

namespace tavrin::gui {

// The items: their list beside the editor of one of them. It works on the copies of the items,
// groups and settings documents it is given and writes into them only when an edit is applied
// or an item deleted (the settings only where they name the item); whoever opened it saves
// them. A refused edit is said in a plain message and stays in the form; any other failure of
// a user's action is shown in the exception dialog. Either leaves the documents as they were.
// In the settings dialog it is the items' page, without a close button of its own.
class ItemDialog final : public SelectDialog, public ISettingInFrame {
public:
    // The controls besides the form's (ITEM_CTRL); the buttons' ids are their commands.
    enum class CTRL : std::uint16_t {
        NEW = 3,
        REMOVE = 4,
        APPLY = 5,
        CLOSE = 6,
        LIST = 10,
        MODE = 11,
    };
    static constexpr std::string_view CAPTION = "アイテム設定";
    static constexpr std::string_view NEW_CAPTION = "新規作成";

    // readShortcuts: a dropped shell shortcut is read instead of taken as the address.
    ItemDialog(tvgui::TvGui* owner, drevak::DvkDocument& items, drevak::DvkDocument& groups,
               drevak::DvkDocument& settings, bool readShortcuts);
    ~ItemDialog() override;

    void makeChild() override;
    tvgui::Dialog& pageWindow() noexcept override { return *this; }
    void enterPage() override;
    // An edit not yet applied is applied (its checks run) or given up, as the user chooses.
    bool leavePage() override;
    bool edited() const override;
    const drevak::DvkDocument& document() const noexcept override { return itemsDocument_; }

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;
    bool OnMenuCommand(tvgui::COMMAND_ID id) override;
    void OnDropFiles(shell::DropFile& dropped) override;

private:
    struct Parts;

    void fillList(const std::string& selected);
    void edit(const std::string& id);
    void startNew();
    // Applies the edit; false, having said why and focused the first field refused, when a
    // check refuses it.
    bool apply();
    // Whether the edit on show may be left: it is unchanged, or the user has it applied (its
    // checks passed) or given up. A refused apply is shown and the edit stays.
    bool leaveEdit();
    void remove();
    void openFieldMenu(ITEM_FIELD field);
    void runCommand(FIELD_COMMAND command);

    drevak::DvkDocument& itemsDocument_;
    drevak::Drevak& items_;
    drevak::Drevak& groups_;
    file::App settings_;
    bool readShortcuts_;
    // The ID the edited item is stored under; empty while a new item is edited.
    std::string originalId_;
    file::ItemEditor initial_;
    // The form as loaded, to tell whether the user changed anything since.
    file::ItemEditor shown_;
    std::vector<std::string> listed_;
    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
