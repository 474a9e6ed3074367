#include "gui/window/dialog/itemdialog.h"

#include "file/items/documentitemlist.h"
#include "file/items/groups.h"
#include "file/items/itemfill.h"
#include "file/items/itemrenaming.h"
#include "file/items/itemvalidation.h"
#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/guardedaction.h"
#include "gui/window/dialog/itemform.h"
#include "gui/window/dialog/questiondialog.h"
#include "gui/window/dialog/refusalbox.h"
#include "shell/dropfile.h"
#include "system/tavrinerrors.h"
#include "tvgui/control/listbox.h"
#include "tvgui/control/statc.h"
#include "tvgui/menu/popup.h"

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;
using CTRL = ItemDialog::CTRL;

// In 96-DPI pixels.
constexpr std::int32_t LIST_WIDTH = 190;
constexpr std::int32_t FORM_WIDTH = 440;
constexpr std::int32_t BUTTON_WIDTH = 86;
constexpr std::int32_t BUTTON_COUNT = 4;

SIZE dialogClient() {
    return {MARGIN * 3 + LIST_WIDTH + FORM_WIDTH,
            MARGIN * 2 + ItemForm::height() + CELL_GAP + BUTTON_HEIGHT};
}

std::string listText(const file::items::ItemKeys& item) {
    return item.name.empty() || item.name == item.id ? item.id : item.name + " (" + item.id + ")";
}

std::string referrersText(const std::string& id, const file::ItemReferrers& referrers,
                          bool namedBySettings) {
    std::string text = id + "を参照しているものがある。削除するとリンクも削除し、"
                            "複数アイテムと設定からは外す。\r\n";
    if (namedBySettings) {
        text += "\r\n設定: フォルダを開くアイテム (フォルダは標準の開き方に戻す)";
    }
    for (const std::string& multi : referrers.multis) {
        text += "\r\n複数: " + multi;
    }
    for (const std::string& link : referrers.links) {
        text += "\r\nリンク: " + link;
    }
    return text;
}

} // namespace

struct ItemDialog::Parts {
    explicit Parts(ItemDialog& dialog)
        : list(itemId(CTRL::LIST), dialog), form(dialog), newItem(itemId(CTRL::NEW), dialog),
          remove(itemId(CTRL::REMOVE), dialog), apply(itemId(CTRL::APPLY), dialog),
          close(itemId(CTRL::CLOSE), dialog), mode(itemId(CTRL::MODE), dialog) {
        list.notify(true);
        newItem.setText("新規作成");
        remove.setText("削除");
        apply.setText("適用");
        close.setText("閉じる");
        apply.defaultButton(true);
        dialog.setDefaultButton(&apply);

        body.rule().setAbsolute(LIST_WIDTH);
        body.setGap(MARGIN);
        body.setGui(0, list);
        body.setLayout(1, form.layout());
        buttons.spacing = {CELL_GAP, 0, 0, 0};
        for (tvgui::Push* button : {&newItem, &remove, &apply, &close}) {
            addCell(buttons, *button, BUTTON_WIDTH);
        }
        buttonRow.rule().setAbsolute(dialogClient().cx - MARGIN * 2 -
                                     (BUTTON_WIDTH + CELL_GAP) * BUTTON_COUNT);
        mode.middle(true);
        buttonRow.setGui(0, mode);
        buttonRow.setLayout(1, buttons);
        page.margin = {MARGIN, MARGIN, MARGIN, MARGIN};
        addCell(page, body, ItemForm::height());
        addCell(page, buttonRow, BUTTON_HEIGHT + CELL_GAP);
        buttonRow.spacing = {0, CELL_GAP, 0, 0};
        dialog.layoutManager()->setRootLayout(&page);
    }

    tvgui::ListBox list;
    ItemForm form;
    tvgui::Push newItem;
    tvgui::Push remove;
    tvgui::Push apply;
    tvgui::Push close;
    // The mode is said inside the page too: in the settings dialog the caption is the frame's.
    tvgui::TextLabel mode;
    tvgui::Dual body{DIRECTION::HORIZON};
    tvgui::Line buttons{DIRECTION::HORIZON};
    tvgui::Dual buttonRow{DIRECTION::HORIZON};
    tvgui::Line page{DIRECTION::VERTICAL};
};

ItemDialog::ItemDialog(tvgui::TvGui* owner, drevak::DvkDocument& items, drevak::DvkDocument& groups,
                       drevak::DvkDocument& settings, bool readShortcuts)
    : SelectDialog(tvgui::DIALOG_ID::ITEM_SETTING, WS_EX_DLGMODALFRAME | WS_EX_ACCEPTFILES,
                   WS_CAPTION | WS_SYSMENU, owner),
      itemsDocument_(items), items_(items.childOrNew("Item")),
      groups_(groups.childOrNew(file::Main::GROUP)), settings_(settings),
      readShortcuts_(readShortcuts) {
    createWindow();
    parts_ = std::make_unique<Parts>(*this);
    fitClient(*this, dialogClient());
    acceptFiles(true);
    fillList({});
    if (listed_.empty()) {
        startNew();
    } else {
        edit(listed_.front());
    }
}

// The controls go before the dialog's window, which would otherwise take them along.
ItemDialog::~ItemDialog() = default;

void ItemDialog::makeChild() {
    SelectDialog::makeChild();
    // The settings dialog closes the pages together.
    parts_->close.show(tvgui::SHOW::HIDE);
}

void ItemDialog::enterPage() {
    fillList(originalId_);
}

bool ItemDialog::leavePage() {
    bool left = false;
    guarded(*this, [&] { left = leaveEdit(); });
    return left;
}

bool ItemDialog::edited() const {
    try {
        return parts_->form.read() != shown_;
    } catch (const system::ItemSetException&) {
        return true;
    }
}

void ItemDialog::fillList(const std::string& selected) {
    parts_->list.clear();
    listed_.clear();
    const file::items::ItemList items = file::items::documentItemList(items_);
    for (const file::items::ItemKeys& item : items.items()) {
        const int index = parts_->list.add(listText(item));
        listed_.push_back(item.id);
        if (item.id == selected) {
            parts_->list.selectIndex(index);
        }
    }
}

void ItemDialog::edit(const std::string& id) {
    initial_ = file::loadEditor(file::Item(id, items_));
    originalId_ = id;
    parts_->form.load(initial_);
    shown_ = parts_->form.read();
    setText(CAPTION);
    parts_->mode.setText("");
    fillList(id);
}

void ItemDialog::startNew() {
    initial_ = {};
    originalId_.clear();
    parts_->form.load(initial_);
    shown_ = parts_->form.read();
    parts_->list.selectIndex(-1);
    setText(NEW_CAPTION);
    parts_->mode.setText(NEW_CAPTION);
}

bool ItemDialog::apply() {
    file::ItemEditor edited;
    try {
        edited = parts_->form.read();
    } catch (const system::ItemSetException& refused) {
        showRefusal(*this, refused);
        parts_->form.focusIconIndex();
        return false;
    }
    const std::vector<file::Refusal> refusals =
        file::itemRefusals(edited, originalId_, items_, file::probePath);
    if (!refusals.empty()) {
        std::vector<std::string> messages;
        for (const file::Refusal& refused : refusals) {
            messages.push_back(refused.message);
        }
        showRefusal(*this, messages);
        parts_->form.focus(refusals.front().field);
        return false;
    }
    file::commitEditor(edited, originalId_, items_, groups_, settings_);
    edit(edited.id);
    return true;
}

bool ItemDialog::leaveEdit() {
    return !edited() ||
           !QuestionDialog(this, "適用", "編集中の変更を適用する？\r\n(いいえで変更を捨てる)")
                .select() ||
           apply();
}

void ItemDialog::remove() {
    if (originalId_.empty()) {
        startNew();
        return;
    }
    const file::ItemReferrers referrers = file::referrersOf(items_, originalId_);
    const bool named = settings_.namesItem(originalId_);
    if ((!referrers.empty() || named) &&
        !QuestionDialog(this, "削除", referrersText(originalId_, referrers, named)).select()) {
        return;
    }
    file::deleteItem(items_, groups_, settings_, originalId_);
    fillList({});
    if (listed_.empty()) {
        startNew();
    } else {
        edit(listed_.front());
    }
}

void ItemDialog::openFieldMenu(ITEM_FIELD field) {
    // A multi-item's address is its member list, which has a menu of its own.
    const bool members =
        field == ITEM_FIELD::ADDRESS && parts_->form.read().type == file::Item::TYPE::MULTI;
    tvgui::PopUp menu;
    if (members) {
        const FieldEntry initial = fieldMenu(ITEM_FIELD::ADDRESS).front();
        menu.addItem(true, initial.label, static_cast<UINT>(initial.command));
    }
    for (const FieldEntry& entry : fieldMenu(members ? ITEM_FIELD::MEMBERS : field)) {
        menu.addItem(true, entry.label, static_cast<UINT>(entry.command));
    }
    const HWND button =
        GetDlgItem(hwnd(), static_cast<int>(ITEM_CTRL::FIELD_BUTTON) + static_cast<int>(field));
    const int chosen =
        menu.showAttached(tvgui::PopUp::FLAGS::RETURNCMD, tvgui::PopUp::ATTACH::BOTTOM, button);
    if (isFieldCommand(static_cast<unsigned>(chosen))) {
        runCommand(static_cast<FIELD_COMMAND>(chosen));
    }
}

void ItemDialog::runCommand(FIELD_COMMAND command) {
    if (command == FIELD_COMMAND::MEMBERS_KEEP_ONE) {
        parts_->form.members().keepCaretLine();
        return;
    }
    file::ItemEditor current = parts_->form.read();
    runFieldCommand(command, current, initial_, hwnd());
    parts_->form.load(current);
}

bool ItemDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui&) {
    const auto number = static_cast<unsigned>(id);
    const auto fieldButton = static_cast<unsigned>(ITEM_CTRL::FIELD_BUTTON);
    if (number >= fieldButton &&
        number <= fieldButton + static_cast<unsigned>(ITEM_FIELD::MEMBERS)) {
        guarded(*this, [&] { openFieldMenu(static_cast<ITEM_FIELD>(number - fieldButton)); });
        return true;
    }
    const auto event = static_cast<WORD>(type);
    switch (number) {
    case static_cast<unsigned>(ITEM_CTRL::TYPE):
        if (event == CBN_SELCHANGE) {
            parts_->form.kindChanged();
        }
        return true;
    case static_cast<unsigned>(CTRL::LIST):
        if (event == LBN_SELCHANGE) {
            if (const std::optional<int> index = parts_->list.selectedIndex()) {
                const std::string chosen = listed_.at(static_cast<std::size_t>(*index));
                guarded(*this, [&] {
                    if (leaveEdit()) {
                        edit(chosen);
                    }
                });
                // After a refusal or a failure too, the list shows the item the editor holds,
                // the one "削除" acts on.
                fillList(originalId_);
            }
        }
        return true;
    case static_cast<unsigned>(CTRL::NEW):
        guarded(*this, [&] {
            if (leaveEdit()) {
                startNew();
            }
        });
        return true;
    case static_cast<unsigned>(CTRL::REMOVE):
        guarded(*this, [&] { remove(); });
        return true;
    case static_cast<unsigned>(CTRL::APPLY):
        guarded(*this, [&] { apply(); });
        return true;
    case static_cast<unsigned>(CTRL::CLOSE):
        guarded(*this, [&] {
            if (leaveEdit()) {
                confirm(true);
                destroy();
            }
        });
        return true;
    default:
        return false;
    }
}

bool ItemDialog::OnMenuCommand(tvgui::COMMAND_ID id) {
    const auto number = static_cast<unsigned>(id);
    if (!isFieldCommand(number)) {
        return false;
    }
    guarded(*this, [&] { runCommand(static_cast<FIELD_COMMAND>(number)); });
    return true;
}

void ItemDialog::OnDropFiles(shell::DropFile& dropped) {
    guarded(*this, [&] {
        file::ItemEditor current = parts_->form.read();
        const bool keepId = !originalId_.empty() && !current.id.empty();
        file::dropFiles(current, dropped.files(), readShortcuts_, keepId);
        parts_->form.load(current);
    });
}

} // namespace tavrin::gui
