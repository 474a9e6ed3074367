#include "gui/window/dialog/groupdialog.h"

#include <algorithm>

#include "file/datafile.h"
#include "file/items/groups.h"
#include "file/items/grouptree.h"
#include "gui/control/itemlistview.h"
#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/guardedaction.h"
#include "gui/window/dialog/inputdialog.h"
#include "gui/window/dialog/refusalbox.h"
#include "system/scopeguard.h"
#include "system/tavrinerrors.h"
#include "tvgui/control/button.h"
#include "tvgui/control/statc.h"
#include "tvgui/layout/dual.h"
#include "tvgui/menu/popup.h"

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;
using tvgui::TREE_NODE;
using tvgui::treeNode;
using COMMAND = GroupDialog::COMMAND;
using CTRL = GroupDialog::CTRL;
using NEXT = tvgui::TreeView::NEXT;

// In 96-DPI pixels.
constexpr std::int32_t CLIENT_WIDTH = 600;
constexpr std::int32_t CLIENT_HEIGHT = 400;
constexpr std::int32_t BUTTON_WIDTH = 72;
constexpr std::int32_t HINT_HEIGHT = 20;
// The tree's share of the width; the list has the rest.
constexpr long double TREE_PERCENT = 55;

struct CommandText {
    COMMAND command;
    std::string_view text;
};

constexpr CommandText COMMAND_TEXTS[] = {
    {COMMAND::INSERT_MAIN, "メイングループ挿入"},
    {COMMAND::ADD_MAIN, "メイングループ追加"},
    {COMMAND::INSERT_SUB, "サブグループ挿入"},
    {COMMAND::ADD_SUB, "サブグループ追加"},
    {COMMAND::INSERT_ITEM, "アイテム挿入"},
    {COMMAND::ADD_ITEM, "アイテム追加"},
    {COMMAND::RENAME, "名前変更"},
    {COMMAND::UP, "上へ"},
    {COMMAND::DOWN, "下へ"},
    {COMMAND::REMOVE, "削除"},
};

std::string_view textOf(COMMAND command) {
    for (const CommandText& entry : COMMAND_TEXTS) {
        if (entry.command == command) {
            return entry.text;
        }
    }
    return {};
}

bool isCommand(unsigned number) {
    return number >= static_cast<unsigned>(COMMAND::INSERT_MAIN) &&
           number <= static_cast<unsigned>(COMMAND::REMOVE);
}

// The commands that change what the tree holds, after which a separator sets off the rest.
bool isInsertion(COMMAND command) {
    return command <= COMMAND::ADD_ITEM;
}

} // namespace

struct GroupDialog::Parts {
    explicit Parts(GroupDialog& dialog)
        : tree(itemId(CTRL::TREE), dialog), list(itemId(CTRL::LIST), dialog),
          up(itemId(COMMAND::UP), dialog), down(itemId(COMMAND::DOWN), dialog),
          rename(itemId(COMMAND::RENAME), dialog), remove(itemId(COMMAND::REMOVE), dialog),
          add(itemId(COMMAND::ADD_ITEM), dialog),
          hint(itemId(CTRL::HINT), dialog,
               "グループは左の一覧を右クリックして出るメニューで追加する") {
        for (auto [button, command] : {std::pair{&up, COMMAND::UP},
                                       {&down, COMMAND::DOWN},
                                       {&rename, COMMAND::RENAME},
                                       {&remove, COMMAND::REMOVE}}) {
            button->setText(textOf(command));
            addCell(treeButtons, *button, BUTTON_WIDTH);
        }
        add.setText("追加");
        addCell(listButtons, add, BUTTON_WIDTH);
        treeButtons.spacing = listButtons.spacing = {0, 0, CELL_GAP, 0};
        // The buttons stand over the pane they act on.
        for (tvgui::Dual* pair : {&buttons, &body}) {
            pair->rule().setPercent(TREE_PERCENT);
            pair->setGap(MARGIN);
        }
        buttons.setLayout(0, treeButtons);
        buttons.setLayout(1, listButtons);
        body.setGui(0, tree);
        body.setGui(1, list);
        page.margin = {MARGIN, MARGIN, MARGIN, MARGIN};
        addCell(page, buttons, BUTTON_HEIGHT + CELL_GAP);
        buttons.spacing = {0, 0, 0, CELL_GAP};
        hint.middle(true);
        addCell(page, hint, HINT_HEIGHT);
        addCell(page, body, tvgui::SIZEINFO::FILL);
        dialog.layoutManager()->setRootLayout(&page);
    }

    GroupTreeView tree;
    ItemListView list;
    tvgui::Push up;
    tvgui::Push down;
    tvgui::Push rename;
    tvgui::Push remove;
    tvgui::Push add;
    // Without a group no button has anything to act on: the way in is the tree's menu.
    tvgui::TextLabel hint;
    tvgui::Line treeButtons{DIRECTION::HORIZON};
    tvgui::Line listButtons{DIRECTION::HORIZON};
    tvgui::Dual buttons{DIRECTION::HORIZON};
    tvgui::Dual body{DIRECTION::HORIZON};
    tvgui::Line page{DIRECTION::VERTICAL};
};

GroupDialog::GroupDialog(tvgui::TvGui* owner, drevak::DvkDocument& groups,
                         drevak::DvkDocument& items)
    : SelectDialog(tvgui::DIALOG_ID::GROUP_SETTING, WS_EX_DLGMODALFRAME, WS_CAPTION | WS_SYSMENU,
                   owner),
      groups_(groups), items_(items) {
    createWindow();
    setText("グループ設定");
    parts_ = std::make_unique<Parts>(*this);
    fitClient(*this, SIZE{CLIENT_WIDTH, CLIENT_HEIGHT});
    enterPage();
}

// The controls go before the dialog's window, which would otherwise take them along.
GroupDialog::~GroupDialog() = default;

void GroupDialog::enterPage() {
    parts_->tree.load(file::loadGroupTree(groups_));
    parts_->list.fill(items_.childOrNew("Item"));
    updateButtons();
}

void GroupDialog::updateButtons() {
    const std::vector<COMMAND> offer = offered(parts_->tree.kind(parts_->tree.selection()));
    for (auto [button, command] : {std::pair{&parts_->up, COMMAND::UP},
                                   {&parts_->down, COMMAND::DOWN},
                                   {&parts_->rename, COMMAND::RENAME},
                                   {&parts_->remove, COMMAND::REMOVE},
                                   {&parts_->add, COMMAND::ADD_ITEM}}) {
        button->enable(std::find(offer.begin(), offer.end(), command) != offer.end());
    }
    const std::vector<HTREEITEM> top = parts_->tree.entries(nullptr);
    const bool noGroup = std::none_of(top.begin(), top.end(), [this](HTREEITEM entry) {
        return parts_->tree.kind(entry) == GROUP_KIND::MAIN;
    });
    parts_->hint.show(noGroup ? tvgui::SHOW::SHOW : tvgui::SHOW::HIDE);
}

bool GroupDialog::leavePage() {
    try {
        file::saveGroupTree(parts_->tree.read(), groups_);
        return true;
    } catch (const system::GroupDataException& refused) {
        showRefusal(*this, refused);
        return false;
    }
}

bool GroupDialog::edited() const {
    drevak::DvkDocument left = file::copyDocument(groups_);
    try {
        file::saveGroupTree(parts_->tree.read(), left);
    } catch (const system::GroupDataException&) {
        return true;
    }
    return left.toString() != groups_.toString();
}

std::vector<COMMAND> GroupDialog::offered(GROUP_KIND kind) {
    switch (kind) {
    case GROUP_KIND::MAIN:
        return {COMMAND::INSERT_MAIN, COMMAND::ADD_MAIN, COMMAND::ADD_SUB, COMMAND::RENAME,
                COMMAND::UP,          COMMAND::DOWN,     COMMAND::REMOVE};
    // The menu group is where the menu launcher finds its groups: it is neither renamed
    // nor removed, as nothing could make it again.
    case GROUP_KIND::MENU:
        return {COMMAND::INSERT_MAIN, COMMAND::ADD_MAIN, COMMAND::ADD_SUB, COMMAND::UP,
                COMMAND::DOWN};
    case GROUP_KIND::SUB:
        return {COMMAND::INSERT_SUB, COMMAND::ADD_SUB, COMMAND::ADD_ITEM, COMMAND::RENAME,
                COMMAND::UP,         COMMAND::DOWN,    COMMAND::REMOVE};
    case GROUP_KIND::ITEM:
        return {COMMAND::INSERT_ITEM, COMMAND::ADD_ITEM, COMMAND::UP, COMMAND::DOWN,
                COMMAND::REMOVE};
    default:
        return {COMMAND::ADD_MAIN};
    }
}

void GroupDialog::run(COMMAND command) {
    GroupTreeView& tree = parts_->tree;
    const HTREEITEM selected = tree.selection();
    const std::vector<COMMAND> offer = offered(tree.kind(selected));
    if (std::find(offer.begin(), offer.end(), command) == offer.end()) {
        return;
    }
    switch (command) {
    case COMMAND::INSERT_MAIN:
    case COMMAND::ADD_MAIN:
        insertGroup(GROUP_KIND::MAIN, command == COMMAND::INSERT_MAIN);
        break;
    case COMMAND::INSERT_SUB:
    case COMMAND::ADD_SUB:
        insertGroup(GROUP_KIND::SUB, command == COMMAND::INSERT_SUB);
        break;
    case COMMAND::INSERT_ITEM:
    case COMMAND::ADD_ITEM:
        addListed(command == COMMAND::INSERT_ITEM);
        break;
    case COMMAND::RENAME:
        tree.focus();
        tree.editLabel(selected);
        break;
    case COMMAND::UP:
    case COMMAND::DOWN:
        tree.shift(selected, command == COMMAND::UP);
        break;
    case COMMAND::REMOVE:
        tree.remove(selected);
        break;
    }
    updateButtons();
}

void GroupDialog::insertGroup(GROUP_KIND kind, bool atSelection) {
    GroupTreeView& tree = parts_->tree;
    const HTREEITEM selected = tree.selection();
    HTREEITEM parent = nullptr;
    HTREEITEM after = treeNode(TREE_NODE::LAST);
    if (kind == GROUP_KIND::SUB) {
        parent = atSelection ? tree.next(selected, NEXT::PARENT)
                             : tree.levelAbove(selected, GROUP_KIND::MAIN);
    }
    if (atSelection) {
        const HTREEITEM before = tree.next(selected, NEXT::PREVIOUS);
        after = before == nullptr ? treeNode(TREE_NODE::FIRST) : before;
    } else if (kind == GROUP_KIND::MAIN) {
        // The menu group keeps its place after the main groups.
        const std::vector<HTREEITEM> top = tree.entries(nullptr);
        if (!top.empty() && tree.kind(top.back()) == GROUP_KIND::MENU) {
            after = top.size() == 1 ? treeNode(TREE_NODE::FIRST) : top[top.size() - 2];
        }
    }
    std::vector<std::string> siblings;
    for (HTREEITEM sibling : tree.entries(parent)) {
        siblings.push_back(tree.itemText(sibling));
    }
    const std::string proposed =
        file::freeGroupName(kind == GROUP_KIND::MAIN ? MAIN_NAME : SUB_NAME, siblings);
    if (const std::optional<std::string> name = askName(proposed, siblings)) {
        tree.add(parent, after, kind, *name);
    }
}

std::optional<std::string> GroupDialog::askName(const std::string& proposed,
                                                const std::vector<std::string>& siblings) {
    InputConfig config;
    config.fileButton = false;
    config.folderButton = false;
    config.text = proposed;
    config.receiver = [&siblings](const std::string& typed) {
        if (const std::string fault = file::groupNameFault(typed, siblings); !fault.empty()) {
            throw system::GroupDataException(fault);
        }
    };
    InputDialog prompt(std::move(config), this);
    prompt.setText(NAME_CAPTION);
    if (!prompt.select()) {
        return std::nullopt;
    }
    return prompt.finalText();
}

void GroupDialog::addListed(bool atSelection) {
    const std::vector<std::string> ids = parts_->list.selectedIds();
    if (parts_->tree.levelAbove(parts_->tree.selection(), GROUP_KIND::SUB) == nullptr) {
        throw system::GroupDataException("アイテムを入れるサブグループを左で選んでください");
    }
    if (ids.empty()) {
        throw system::GroupDataException("右の一覧で追加するアイテムを選んでください");
    }
    GroupTreeView& tree = parts_->tree;
    const HTREEITEM selected = tree.selection();
    if (atSelection) {
        const HTREEITEM before = tree.next(selected, NEXT::PREVIOUS);
        tree.addItems(tree.next(selected, NEXT::PARENT),
                      before == nullptr ? treeNode(TREE_NODE::FIRST) : before, ids);
    } else {
        tree.addItems(tree.levelAbove(selected, GROUP_KIND::SUB), treeNode(TREE_NODE::LAST), ids);
    }
}

bool GroupDialog::renamed(HTREEITEM node, const std::optional<std::string>& text) {
    // The refusal takes the focus from the edit, which ends the edit once more while it shows.
    if (!text || refusing_) {
        return false;
    }
    const std::string fault = file::groupNameFault(*text, parts_->tree.siblingNames(node));
    if (fault.empty()) {
        return true;
    }
    refusing_ = true;
    const system::ScopeGuard refused([this]() noexcept { refusing_ = false; });
    showRefusal(*this, {fault});
    return false;
}

void GroupDialog::showMenu(POINT screen) {
    tvgui::PopUp menu;
    bool insertions = true;
    for (COMMAND command : offered(parts_->tree.kind(parts_->tree.selection()))) {
        if (insertions && !isInsertion(command)) {
            menu.addSeparator(0);
            insertions = false;
        }
        menu.addItem(true, textOf(command), static_cast<UINT>(command));
    }
    const int chosen = menu.show(tvgui::PopUp::FLAGS::RETURNCMD | tvgui::PopUp::FLAGS::RIGHTBUTTON,
                                 screen, hwnd(), std::nullopt);
    if (isCommand(static_cast<unsigned>(chosen))) {
        guarded(*this, [&] { run(static_cast<COMMAND>(chosen)); });
    }
}

LRESULT GroupDialog::treeNotify(NMHDR& header) {
    GroupTreeView& tree = parts_->tree;
    switch (static_cast<tvgui::TreeView::EVENT>(header.code)) {
    case tvgui::TreeView::EVENT::BEGINLABELEDIT: {
        const auto& edit = *reinterpret_cast<const NMTVDISPINFOW*>(&header);
        const GROUP_KIND kind = tree.kind(edit.item.hItem);
        // Item entries name items, and the menu group's name is fixed.
        return kind == GROUP_KIND::MAIN || kind == GROUP_KIND::SUB ? FALSE : TRUE;
    }
    case tvgui::TreeView::EVENT::ENDLABELEDIT: {
        const auto& edit = *reinterpret_cast<const NMTVDISPINFOW*>(&header);
        return renamed(edit.item.hItem, tvgui::TreeView::editedLabel(header)) ? TRUE : FALSE;
    }
    case tvgui::TreeView::EVENT::BEGINDRAG:
        draggedEntry_ = tvgui::TREEVIEWMESSAGE(header).newNode();
        draggedIds_.clear();
        dragging_ = true;
        SetCapture(hwnd());
        return 0;
    case tvgui::TreeView::EVENT::SELCHANGED:
        updateButtons();
        return 0;
    case tvgui::TreeView::EVENT::KEYDOWN:
        switch (reinterpret_cast<const NMTVKEYDOWN*>(&header)->wVKey) {
        case VK_F2:
            guarded(*this, [&] { run(COMMAND::RENAME); });
            return 1;
        case VK_DELETE:
            guarded(*this, [&] { run(COMMAND::REMOVE); });
            return 1;
        default:
            return 0;
        }
    case tvgui::TreeView::EVENT::RCLICK: {
        POINT cursor{};
        GetCursorPos(&cursor);
        POINT client = cursor;
        tree.screenToClient(client);
        if (const HTREEITEM hit = tree.hitTest(client).node) {
            tree.select(hit);
        }
        showMenu(cursor);
        return 1;
    }
    default:
        return 0;
    }
}

LRESULT GroupDialog::listNotify(NMHDR& header) {
    switch (static_cast<tvgui::ListView::EVENT>(header.code)) {
    case tvgui::ListView::EVENT::DBLCLK:
        guarded(*this, [&] { addListed(false); });
        return 0;
    case tvgui::ListView::EVENT::BEGINDRAG:
        draggedIds_ = parts_->list.selectedIds();
        draggedEntry_ = nullptr;
        dragging_ = !draggedIds_.empty();
        if (dragging_) {
            SetCapture(hwnd());
        }
        return 0;
    default:
        return 0;
    }
}

LRESULT GroupDialog::OnNotify(NMHDR& header, tvgui::ITEM_ID id) {
    if (id == itemId(CTRL::TREE)) {
        return treeNotify(header);
    }
    if (id == itemId(CTRL::LIST)) {
        return listNotify(header);
    }
    return 0;
}

HTREEITEM GroupDialog::entryAt(POINT client) const {
    POINT point = client;
    MapWindowPoints(hwnd(), parts_->tree.hwnd(), &point, 1);
    return parts_->tree.hitTest(point).node;
}

void GroupDialog::OnMouseMove(tvgui::MOUSE_KEY, int x, int y) {
    if (!dragging_) {
        return;
    }
    // Another window took the mouse (a switch to another program): the drag is over.
    if (GetCapture() != hwnd()) {
        dragging_ = false;
        parts_->tree.select(nullptr, tvgui::TreeView::SELECT::DROPHILITE);
        return;
    }
    parts_->tree.select(entryAt(POINT{x, y}), tvgui::TreeView::SELECT::DROPHILITE);
}

bool GroupDialog::OnMouseLeftUp(tvgui::MOUSE_KEY, int x, int y) {
    if (!dragging_) {
        return false;
    }
    endDrag(POINT{x, y});
    return true;
}

void GroupDialog::endDrag(POINT client) {
    dragging_ = false;
    ReleaseCapture();
    GroupTreeView& tree = parts_->tree;
    tree.select(nullptr, tvgui::TreeView::SELECT::DROPHILITE);
    const HTREEITEM target = entryAt(client);
    if (draggedEntry_ != nullptr) {
        tree.drop(draggedEntry_, target);
    } else if (tree.kind(target) == GROUP_KIND::ITEM) {
        tree.addItems(tree.next(target, NEXT::PARENT), target, draggedIds_);
    } else {
        tree.addItems(target, treeNode(TREE_NODE::LAST), draggedIds_);
    }
    draggedEntry_ = nullptr;
    draggedIds_.clear();
}

void GroupDialog::OnContextMenu(tvgui::TvGui* window, int x, int y) {
    if (window != &parts_->tree) {
        return;
    }
    // From the keyboard the menu opens at the selected entry.
    POINT screen{x, y};
    if (x == -1 && y == -1) {
        const std::optional<RECT> line = parts_->tree.itemRect(parts_->tree.selection(), true);
        screen = line ? POINT{line->left, line->bottom} : POINT{0, 0};
        parts_->tree.clientToScreen(screen);
    }
    showMenu(screen);
}

bool GroupDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE, tvgui::TvGui&) {
    const auto number = static_cast<unsigned>(id);
    if (!isCommand(number)) {
        return false;
    }
    guarded(*this, [&] { run(static_cast<COMMAND>(number)); });
    return true;
}

bool GroupDialog::OnMenuCommand(tvgui::COMMAND_ID id) {
    return OnCommand(static_cast<tvgui::ITEM_ID>(id), tvgui::MESSAGETYPE{}, *this);
}

} // namespace tavrin::gui
