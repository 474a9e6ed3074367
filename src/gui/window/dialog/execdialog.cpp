#include "gui/window/dialog/execdialog.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "app/application.h"
#include "file/items/bmitem.h"
#include "file/items/execchoice.h"
#include "file/items/itemfunctions.h"
#include "gui/control/limitedcombobox.h"
#include "gui/window/dialog/browsedialogs.h"
#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/exceptiondialog.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/control/button.h"
#include "tvgui/control/combobox.h"
#include "tvgui/control/editbox.h"
#include "tvgui/layout/dual.h"
#include "tvgui/layout/tansu.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;
using tvgui::HT;
using CTRL = ExecDialog::CTRL;

// In 96-DPI pixels: the client width, the blank between the rows (half a sizing frame) and
// between a button and its box (a sizing frame).
constexpr std::int32_t CLIENT_WIDTH = 256;
constexpr std::int32_t ROW_GAP = 2;
constexpr std::int32_t BUTTON_GAP = 4;
constexpr long double BUTTON_SHARE = 35;
// The blank a push button keeps on each side of its caption.
constexpr std::int32_t CAPTION_PADDING = 8;
constexpr long double SHOW_SHARE = 30;
constexpr long double BLANK_SHARE = 25;
// The entries a dropped list shows at least: the boxes are laid out only as tall as closed.
constexpr WPARAM VISIBLE_ENTRIES = 8;

std::string addressText(const file::Item& item) {
    switch (item.type()) {
    case file::Item::TYPE::NORMAL:
        return item.fileAddress();
    case file::Item::TYPE::URI:
        return item.uriAddress();
    case file::Item::TYPE::MULTI:
    case file::Item::TYPE::LINK:
        break;
    }
    std::string joined;
    for (const std::string& id : item.multiAddresses()) {
        joined += (joined.empty() ? "" : ", ") + id;
    }
    return joined;
}

// The history first, then the value the box starts with, shown in its edit part.
void fillBox(tvgui::ComboBox& box, const std::vector<std::string>& history,
             const std::string& shown) {
    for (const std::string& entry : history) {
        box.add(entry);
    }
    box.add(shown);
    box.setText(shown);
    SendMessageW(box.hwnd(), CB_SETMINVISIBLE, VISIBLE_ENTRIES, 0);
}

// The history entries a box was filled with: all but the value it started with.
std::vector<std::string> historyOf(const tvgui::ComboBox& box) {
    std::vector<std::string> entries = box.texts();
    if (!entries.empty()) {
        entries.pop_back();
    }
    return entries;
}

} // namespace

struct ExecDialog::Parts {
    Parts(ExecDialog& dialog, file::BM_ITEM shown, const std::optional<std::string>& option)
        : record(std::move(shown)), address(itemId(CTRL::ADDRESS), dialog),
          workFolderBrowse(itemId(CTRL::WORK_FOLDER_BROWSE), dialog),
          workFolder(itemId(CTRL::WORK_FOLDER), dialog, tvgui::ComboBox::TYPE::DROPDOWN),
          optionBrowse(itemId(CTRL::OPTION), dialog),
          options(itemId(CTRL::OPTION), dialog, tvgui::ComboBox::TYPE::DROPDOWN),
          show(itemId(CTRL::SHOW), dialog), execute(itemId(CTRL::EXECUTE), dialog),
          close(itemId(CTRL::CLOSE), dialog) {
        const file::Item& item = *record.item;
        dialog.setText(item.id());
        dialog.setIcon(&record.icon, false);
        address.readOnly(true);
        address.setText(addressText(item));
        workFolderBrowse.setText("作業フォルダ...");
        fillBox(workFolder, item.historyWorkFolders(), file::workFolderOf(item));
        optionBrowse.setText("オプション...");
        fillBox(options, item.historyOptions(), item.option());
        if (option) {
            options.setText(*option);
        }
        show.value(item.show());
        execute.setText("実行");
        execute.defaultButton(true);
        dialog.setDefaultButton(&execute);
        close.setText("閉じる");
        layOut(dialog);
    }

    // The width of the specified layout, or more where the message font would cut a browse
    // button's caption short: a cut caption tells the user nothing.
    std::int32_t clientWidth(const ExecDialog& dialog) const {
        std::int32_t widest = 0;
        for (const tvgui::Push* button : {&workFolderBrowse, &optionBrowse}) {
            widest = std::max(widest, captionWidth(*button));
        }
        const std::int32_t button =
            MulDiv(widest, USER_DEFAULT_SCREEN_DPI, dialog.dpi()) + 2 * CAPTION_PADDING;
        const auto needed = static_cast<std::int32_t>(button * 100 / BUTTON_SHARE) + 3 * BUTTON_GAP;
        return std::max(CLIENT_WIDTH, needed);
    }

    // The caption's width in the button's own font, in the button's pixels.
    static std::int32_t captionWidth(const tvgui::Push& button) {
        const std::wstring caption = system::toWide(button.text());
        const HDC dc = GetDC(button.hwnd());
        const HGDIOBJ old = SelectObject(
            dc, reinterpret_cast<HGDIOBJ>(SendMessageW(button.hwnd(), WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(button.hwnd(), dc);
        return extent.cx;
    }

    void layOut(ExecDialog& dialog) {
        // The rows are as tall as a closed box at the dialog's DPI, in 96-DPI pixels.
        const RECT box = workFolder.windowRect();
        const std::int32_t row =
            MulDiv(box.bottom - box.top, USER_DEFAULT_SCREEN_DPI, dialog.dpi());
        page.rule().setAbsolute(row);
        page.margin = {BUTTON_GAP, ROW_GAP, BUTTON_GAP, ROW_GAP};
        page.spacing = {0, ROW_GAP, 0, ROW_GAP};
        for (auto [pair, button, field] :
             {std::tuple{&workFolderRow, &workFolderBrowse, &workFolder},
              std::tuple{&optionRow, &optionBrowse, &options}}) {
            pair->rule().setPercent(BUTTON_SHARE);
            pair->setGap(BUTTON_GAP);
            pair->setGui(0, *button);
            pair->setGui(1, *field);
        }
        buttons.rule().setPercent(50);
        buttons.setGap(BUTTON_GAP);
        buttons.setGui(0, execute);
        buttons.setGui(1, close);
        lastRow.addGui(show);
        lastRow.sizeAt(0).setPercent(SHOW_SHARE);
        lastRow.addEmpty();
        lastRow.sizeAt(1).setPercent(BLANK_SHARE);
        lastRow.addLayout(buttons);
        lastRow.sizeAt(2).setAbsolute(tvgui::SIZEINFO::FILL);
        page.addGui(address);
        page.addLayout(workFolderRow);
        page.addLayout(optionRow);
        page.addLayout(lastRow);
        dialog.layoutManager()->setRootLayout(&page);
        fitClient(dialog, {clientWidth(dialog), 10 * ROW_GAP + 4 * row});
    }

    file::ExecChoice choice() const { return {workFolder.text(), options.text(), show.value()}; }

    // The item as the launchers see it: a link stands for the item it ends in.
    file::BM_ITEM record;
    tvgui::EditLine address;
    tvgui::Push workFolderBrowse;
    tvgui::ComboBox workFolder;
    tvgui::Push optionBrowse;
    tvgui::ComboBox options;
    ShowComboBox show;
    tvgui::Push execute;
    tvgui::Push close;
    tvgui::Dual workFolderRow{DIRECTION::HORIZON};
    tvgui::Dual optionRow{DIRECTION::HORIZON};
    tvgui::Dual buttons{DIRECTION::HORIZON};
    tvgui::Line lastRow{DIRECTION::HORIZON};
    tvgui::Tansu page{DIRECTION::VERTICAL};
};

ExecDialog::Services ExecDialog::Services::ofSystem() {
    return {&browseForFolder, &browseForFile,
            [](tvgui::TvGui& owner, const std::exception& failure) {
                ExceptionDialog::show(&owner, failure);
            }};
}

ExecDialog::ExecDialog(file::Item& item, app::Application& application, tvgui::TvGui* owner,
                       std::optional<std::string> option, Services services)
    : SelectDialog(tvgui::DIALOG_ID::EXECUTE, 0, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, owner),
      application_(application), services_(std::move(services)) {
    file::BM_ITEM record(item, image::ICONSIZE::SMALL, true);
    createWindow();
    parts_ = std::make_unique<Parts>(*this, std::move(record), option);
}

// The controls go before the dialog's window, which would otherwise take them along.
ExecDialog::~ExecDialog() = default;

bool ExecDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui&) {
    if (type != tvgui::MESSAGETYPE{BN_CLICKED}) {
        return false;
    }
    switch (static_cast<CTRL>(id)) {
    case CTRL::WORK_FOLDER_BROWSE:
        browse(CTRL::WORK_FOLDER);
        return true;
    case CTRL::OPTION:
        browse(CTRL::OPTION);
        return true;
    case CTRL::EXECUTE:
        // A start that fails is shown over the dialog, which stays for another try.
        try {
            execute();
        } catch (const system::TavrinException& failure) {
            services_.showFailure(*this, failure);
            return true;
        }
        confirm(true);
        destroy();
        return true;
    case CTRL::CLOSE:
        destroy();
        return true;
    default:
        return false;
    }
}

void ExecDialog::browse(CTRL box) {
    tvgui::ComboBox& field = box == CTRL::WORK_FOLDER ? parts_->workFolder : parts_->options;
    const auto& ask = box == CTRL::WORK_FOLDER ? services_.browseFolder : services_.browseFile;
    if (const std::optional<std::string> chosen = ask(hwnd(), field.text())) {
        field.setText(*chosen);
    }
}

void ExecDialog::execute() {
    if (!parts_->record.usable) {
        throw system::TavrinException("あれれ");
    }
    file::Item& item = *parts_->record.item;
    const file::ExecChoice chosen = parts_->choice();
    const std::optional<file::OverrideInfo> changed = file::overrideOf(item, chosen);
    application_.execute(item, changed ? &*changed : nullptr);

    const auto limit = static_cast<std::size_t>(
        std::max<file::Item::Integer>(application_.settings().History(), 0));
    const auto started = [](const tvgui::ComboBox& box) {
        return box.itemText(box.count() - 1).value_or("");
    };
    if (auto folders = file::updatedHistory(
            historyOf(parts_->workFolder), started(parts_->workFolder), chosen.workFolder, limit)) {
        item.setHistoryWorkFolders(std::move(*folders));
    }
    if (auto options = file::updatedHistory(historyOf(parts_->options), started(parts_->options),
                                            chosen.option, limit)) {
        item.setHistoryOptions(std::move(*options));
    }
    application_.noteHistories(item);
}

tvgui::HT ExecDialog::OnHitTest(int, int, tvgui::HT code) {
    switch (code) {
    case HT::TOP:
    case HT::BOTTOM:
        return HT::CLIENT;
    case HT::TOPLEFT:
    case HT::BOTTOMLEFT:
        return HT::LEFT;
    case HT::TOPRIGHT:
    case HT::BOTTOMRIGHT:
        return HT::RIGHT;
    default:
        return code;
    }
}

} // namespace tavrin::gui
