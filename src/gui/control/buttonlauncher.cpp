#include "gui/control/buttonlauncher.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "app/application.h"
#include "gui/control/buttonlistmenu.h"
#include "gui/control/groupmenu.h"
#include "gui/control/itemmenu.h"
#include "gui/control/menutag.h"
#include "gui/control/tavrintoolbar.h"
#include "shell/clipboard.h"
#include "shell/execute.h"
#include "system/scopeguard.h"
#include "system/tavrinerrors.h"
#include "tvgui/control/tooltip.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

namespace {

using FLAGS = tvgui::PopUp::FLAGS;
using ITEMID = ItemMenu::ITEMID;
using POSITION = file::App::POSITION;

// Where the item menu opens beside its button (screen coordinates): away from the screen
// edge the window is docked to, below the button while it floats.
std::pair<POINT, FLAGS> besideButton(POSITION position, const RECT& button) {
    const LONG middle = (button.left + button.right) / 2;
    switch (position) {
    case POSITION::LEFT:
        return {{button.right, button.top}, FLAGS::LEFTALIGN};
    case POSITION::TOP:
        return {{middle, button.bottom}, FLAGS::CENTERALIGN};
    case POSITION::RIGHT:
        return {{button.left, button.top}, FLAGS::RIGHTALIGN};
    case POSITION::BOTTOM:
        return {{middle, button.top}, FLAGS::CENTERALIGN | FLAGS::BOTTOMALIGN};
    case POSITION::FLOAT:
    case POSITION::HIDDEN:
        break;
    }
    return {{button.left, button.bottom}, FLAGS::LEFTALIGN};
}

void copyText(HWND owner, const std::string& text) {
    shell::TextClipBoard clipBoard(owner);
    if (!clipBoard.setText(text)) {
        throw system::ClipBoardException("クリップボード");
    }
}

} // namespace

struct ButtonLauncher::Menus {
    // The records own the items the buttons point at.
    std::vector<file::BM_ITEM> records;
    std::unique_ptr<GroupMenu> groups;
    std::unique_ptr<ButtonListMenu> buttonList;
    // Only while an item menu is open.
    std::shared_ptr<ItemFileMenu> itemFiles;
    // The tool tips added by the last rebuild.
    int tips = 0;
};

ButtonLauncher::ButtonLauncher(app::Application& application, tvgui::ToolTip& toolTip,
                               TavrinToolBar& toolBar, ShowFailure showFailure,
                               OpenExecuteDialog openExecuteDialog)
    : application_(application), toolTip_(toolTip), toolBar_(toolBar),
      showFailure_(std::move(showFailure)), openExecuteDialog_(std::move(openExecuteDialog)),
      menus_(std::make_unique<Menus>()) {}

ButtonLauncher::~ButtonLauncher() = default;

void ButtonLauncher::rebuild() {
    menus_->buttonList.reset();
    menus_->groups.reset();
    items_.clear();
    const std::string& group = application_.currentGroup();
    const std::string& subGroup = application_.currentSubGroup();
    std::vector<file::BM_ITEM> records;
    if (!group.empty() && !subGroup.empty()) {
        // The bar and the button list look their pictures up themselves, when they show.
        records = application_.groupItems(subGroup, group, false);
        menus_->groups = std::make_unique<GroupMenu>(application_.mainGroups(),
                                                     file::Main::Selection{group, subGroup});
    }
    for (const file::BM_ITEM& record : records) {
        items_.push_back(record.item.get());
    }
    toolBar_.setItems(items_);
    // The bar no longer points at the old items, which may go now.
    menus_->records = std::move(records);

    const int count = static_cast<int>(items_.size());
    for (int index = 0; index < std::max(count, menus_->tips); ++index) {
        toolTip_.deleteTool(toolBar_, static_cast<std::uintptr_t>(index + 1));
        if (index < count) {
            toolTip_.addTool(toolBar_, static_cast<std::uintptr_t>(index + 1),
                             toolBar_.buttonRect(index + 1).value_or(RECT{}),
                             buttonCaption(*items_[static_cast<std::size_t>(index)]));
        }
    }
    menus_->tips = count;
    toolBar_.setToolTip(toolTip_);
}

void ButtonLauncher::showGroupMenu(tvgui::TvGui& window) {
    if (!menus_->groups) {
        return;
    }
    const auto command = static_cast<UINT>(menus_->groups->showAtCursor(
        FLAGS::RETURNCMD | FLAGS::NONOTIFY | FLAGS::CENTERALIGN | FLAGS::RIGHTBUTTON, window.hwnd(),
        std::nullopt));
    const std::optional<file::Main::Selection> chosen =
        GroupMenu::selection(command, application_.mainGroups(), application_.currentGroup());
    if (!chosen) {
        return;
    }
    application_.currentGroup(chosen->group);
    application_.currentSubGroup(chosen->subGroup);
    rebuild();
}

void ButtonLauncher::start(file::Item& item) {
    try {
        application_.execute(item, nullptr);
    } catch (const system::TavrinException& failure) {
        showFailure_(failure);
    }
}

void ButtonLauncher::pressed(int command) {
    // Button n is the button at index n - 1.
    if (file::Item* item = toolBar_.buttonItem(command - 1)) {
        start(*item);
    }
}

void ButtonLauncher::showButtonList(tvgui::TvGui& window) {
    // Made on first use: the bar is shown sooner without it.
    if (!menus_->buttonList && !items_.empty()) {
        menus_->buttonList = std::make_unique<ButtonListMenu>(
            menus_->records, TavrinToolBar::iconSize(application_.settings()));
    }
    if (!menus_->buttonList) {
        return;
    }
    const int chosen =
        menus_->buttonList->showAtCursor(FLAGS::RETURNCMD, window.hwnd(), std::nullopt);
    if (chosen >= 1 && static_cast<std::size_t>(chosen) <= items_.size()) {
        start(*items_[static_cast<std::size_t>(chosen) - 1]);
    }
}

void ButtonLauncher::onDropDown(const NMTOOLBARW& notification, tvgui::TvGui& window) {
    file::Item* item = toolBar_.buttonItem(toolBar_.commandToIndex(notification.iItem));
    if (item == nullptr) {
        return;
    }
    try {
        const file::App& settings = application_.settings();
        ItemMenu menu(*item, TavrinToolBar::iconSize(settings));
        menus_->itemFiles = menu.fileMenu();
        const system::ScopeGuard forget([this] { menus_->itemFiles.reset(); });
        // The button's tip would cover the menu's first entries.
        toolTip_.activate(false);
        const system::ScopeGuard tipsBack([this] { toolTip_.activate(true); });
        RECT button = notification.rcButton;
        MapWindowPoints(toolBar_.hwnd(), nullptr, reinterpret_cast<POINT*>(&button), 2);
        const auto [point, placement] = besideButton(settings.Position(), button);
        const auto chosen = static_cast<UINT>(
            menu.show(placement | FLAGS::RETURNCMD, point, window.hwnd(), std::nullopt));
        act(menu, chosen, *item, window);
    } catch (const system::TavrinException& failure) {
        showFailure_(failure);
    }
}

void ButtonLauncher::act(const ItemMenu& menu, UINT chosen, file::Item& item,
                         tvgui::TvGui& window) {
    const ItemMenu::Targets& targets = menu.targets();
    switch (static_cast<ITEMID>(chosen)) {
    case ITEMID::EXECUTE:
        application_.execute(item, nullptr);
        return;
    case ITEMID::EXECUTE_DIALOG:
        openExecuteDialog_(item, std::nullopt);
        return;
    case ITEMID::OPEN_PARENT:
        application_.executePath(targets.parent);
        return;
    case ITEMID::OPEN_WORK_FOLDER:
        application_.executePath(targets.workFolder);
        return;
    case ITEMID::COPY_ADDRESS:
        copyText(window.hwnd(), targets.address);
        return;
    case ITEMID::COPY_PARENT:
        copyText(window.hwnd(), targets.parent);
        return;
    case ITEMID::COPY_WORK_FOLDER:
        copyText(window.hwnd(), targets.workFolder);
        return;
    case ITEMID::COPY_OPTION:
        copyText(window.hwnd(), targets.option);
        return;
    case ITEMID::PROPERTIES:
        shell::ShowProperties(window.hwnd(), targets.address);
        return;
    default:
        break;
    }
    if (menu.fileMenu()) {
        if (const std::optional<std::string> path = menu.fileMenu()->pathOf(chosen)) {
            application_.executePath(*path);
        }
    }
}

bool ButtonLauncher::fillFileMenu(HMENU opened) {
    if (!menus_->itemFiles || menus_->itemFiles->get() != opened) {
        return false;
    }
    menus_->itemFiles->fill();
    return true;
}

bool ButtonLauncher::measureItem(MEASUREITEMSTRUCT& item, HWND window) {
    if (isTagged(item, MENUS::BUTTON_LIST) && menus_->buttonList) {
        return menus_->buttonList->measure(window, item);
    }
    if (isTagged(item, MENUS::ITEM_FILE) && menus_->itemFiles) {
        return menus_->itemFiles->measure(window, item);
    }
    return false;
}

bool ButtonLauncher::drawItem(const DRAWITEMSTRUCT& item) {
    if (isTagged(item, MENUS::BUTTON_LIST) && menus_->buttonList) {
        return menus_->buttonList->draw(item);
    }
    if (isTagged(item, MENUS::ITEM_FILE) && menus_->itemFiles) {
        return menus_->itemFiles->draw(item);
    }
    return false;
}

} // namespace tavrin::gui
