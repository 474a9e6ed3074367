#include "gui/window/dialog/settingdialog.h"

#include <algorithm>
#include <vector>

#include "app/application.h"
#include "file/app.h"
#include "file/datafile.h"
#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/exceptiondialog.h"
#include "gui/window/dialog/groupdialog.h"
#include "gui/window/dialog/itemdialog.h"
#include "gui/window/dialog/questiondialog.h"
#include "gui/window/dialog/tavrindialog.h"
#include "system/tavrinerrors.h"
#include "tvgui/control/toolbar.h"

namespace tavrin::gui {
namespace {

using COMMAND = SettingDialog::COMMAND;
using STYLE = tvgui::TOOLBUTTON::STYLE;
using STATE = tvgui::TOOLBUTTON::STATE;

constexpr DWORD BAR_STYLE = CCS_TOP | CCS_NODIVIDER | TBSTYLE_FLAT | TBSTYLE_LIST;

struct BarButton {
    COMMAND command;
    const char* caption;
    STYLE style;
};

// Text only: an "&" is shown as it stands, not taken as a mnemonic.
constexpr STYLE TEXT = STYLE::AUTOSIZE | STYLE::SHOWTEXT | STYLE::NOPREFIX;
constexpr BarButton BAR_BUTTONS[] = {
    {COMMAND::TAVRIN, "tavrin", TEXT | STYLE::CHECKGROUP},
    {COMMAND::ITEM, "item", TEXT | STYLE::CHECKGROUP},
    {COMMAND::GROUP, "group", TEXT | STYLE::CHECKGROUP},
    {COMMAND::SEPARATOR, "", STYLE::SEP},
    {COMMAND::OK, "ok", TEXT},
    {COMMAND::CANCEL, "cancel", TEXT},
};

std::size_t pageIndex(COMMAND page) {
    return static_cast<std::size_t>(page) - static_cast<std::size_t>(COMMAND::TAVRIN);
}

bool isPage(COMMAND command) {
    return command == COMMAND::TAVRIN || command == COMMAND::ITEM || command == COMMAND::GROUP;
}

std::string notWrittenText(const std::vector<app::Application::Unsaved>& failures) {
    std::string text = "読み込めなかったファイルは上書きしない:";
    for (const app::Application::Unsaved& failed : failures) {
        text += "\r\n\r\n" + failed.path + "\r\n" + failed.failure;
    }
    return text + "\r\n\r\nほかのファイルを保存する？";
}

// The files someone else changed since the dialog's copies were taken: the user's edit there
// would be lost to the copies.
std::string changedOnDiskText(const app::Application& application,
                              const std::vector<app::Application::DOCUMENT>& changed) {
    std::string text = "開いている間にほかで変更されたファイル:";
    for (const app::Application::DOCUMENT document : changed) {
        text += "\r\n" + application.filePath(document);
    }
    return text + "\r\n\r\n上書きする？";
}

} // namespace

struct SettingDialog::Parts {
    Parts(SettingDialog& dialog, bool desktopMenuAvailable, bool readShortcuts)
        : bar(CTRL_TOOLBAR, dialog, BAR_STYLE),
          tavrin(&dialog, dialog.settings_, dialog.items_, desktopMenuAvailable),
          item(&dialog, dialog.items_, dialog.groups_, dialog.settings_, readShortcuts),
          group(&dialog, dialog.groups_, dialog.items_) {
        for (const BarButton& button : BAR_BUTTONS) {
            tvgui::TOOLBUTTON entry;
            entry.command = static_cast<int>(button.command);
            entry.style = button.style;
            entry.text = button.caption;
            entry.state = button.command == COMMAND::TAVRIN ? STATE::ENABLED | STATE::CHECKED
                                                            : STATE::ENABLED;
            bar.insertButton(bar.buttonCount(), entry);
        }
        bar.autoSize();
    }

    std::array<ISettingInFrame*, PAGE_COUNT> pages() { return {&tavrin, &item, &group}; }

    tvgui::ToolBar bar;
    TavrinDialog tavrin;
    ItemDialog item;
    GroupDialog group;
};

SettingDialog::SettingDialog(tvgui::TvGui* owner, app::Application& application,
                             bool desktopMenuAvailable)
    : SelectDialog(tvgui::DIALOG_ID::SETTING, WS_EX_DLGMODALFRAME, WS_CAPTION | WS_SYSMENU, owner),
      application_(application), settings_(file::copyDocument(application.appDocument())),
      items_(file::copyDocument(application.itemsDocument())),
      groups_(file::copyDocument(application.groupsDocument())) {
    createWindow();
    setText(CAPTION);
    parts_ = std::make_unique<Parts>(*this, desktopMenuAvailable,
                                     application.settings().ExecuteShortcut());
    // Each page is laid out for its own size; the frame takes the largest under its bar.
    SIZE pagesArea{};
    for (ISettingInFrame* page : parts_->pages()) {
        const SIZE size = page->pageWindow().clientSize();
        pagesArea.cx = std::max(pagesArea.cx, size.cx);
        pagesArea.cy = std::max(pagesArea.cy, size.cy);
    }
    const SIZE bar = parts_->bar.windowSize();
    fitClientPixels(*this, {pagesArea.cx, bar.cy + pagesArea.cy});
    for (ISettingInFrame* page : parts_->pages()) {
        tvgui::Dialog& window = page->pageWindow();
        window.makeChild();
        // Tab walks on from the frame into the page's controls.
        SetWindowLongPtrW(window.hwnd(), GWL_EXSTYLE,
                          GetWindowLongPtrW(window.hwnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
        window.move(0, bar.cy, pagesArea.cx, pagesArea.cy, false);
    }
    parts_->bar.autoSize();
    switchTo(COMMAND::TAVRIN);
    for (std::size_t index = 0; index < PAGE_COUNT; ++index) {
        taken_[index] = parts_->pages()[index]->document().toString();
    }
}

// The pages are windows of their own under this one: they go before it.
SettingDialog::~SettingDialog() = default;

ISettingInFrame& SettingDialog::page(COMMAND page) {
    return *parts_->pages().at(pageIndex(page));
}

void SettingDialog::switchTo(COMMAND next) {
    if (next != current_) {
        page(current_).pageWindow().show(tvgui::SHOW::HIDE);
    }
    current_ = next;
    ISettingInFrame& shown = page(next);
    shown.enterPage();
    shown.pageWindow().show(tvgui::SHOW::SHOW);
    SendMessageW(parts_->bar.hwnd(), TB_CHECKBUTTON, static_cast<WPARAM>(next), TRUE);
}

bool SettingDialog::writeAll() {
    if (!page(current_).leavePage()) {
        return false;
    }
    const std::vector<app::Application::Unsaved> failures = application_.loadFailures();
    if (!failures.empty() && !QuestionDialog(this, "保存", notWrittenText(failures)).select()) {
        return false;
    }
    if (const std::vector<app::Application::DOCUMENT> changed = application_.differingOnDisk();
        !changed.empty() &&
        !QuestionDialog(this, "保存", changedOnDiskText(application_, changed)).select()) {
        return false;
    }
    application_.writeTogether(parts_->tavrin.document(), parts_->item.document(),
                               parts_->group.document());
    return true;
}

bool SettingDialog::changed() const {
    const std::array<ISettingInFrame*, PAGE_COUNT> pages = parts_->pages();
    for (std::size_t index = 0; index < PAGE_COUNT; ++index) {
        if (pages[index]->edited() || pages[index]->document().toString() != taken_[index]) {
            return true;
        }
    }
    return false;
}

bool SettingDialog::dropAgreed() {
    return !changed() ||
           QuestionDialog(this, "閉じる",
                          "保存していない変更を捨てて閉じる？\r\n(いいえで設定に戻る)")
               .select();
}

bool SettingDialog::OnAccelerator(tvgui::COMMAND_ID id) {
    switch (static_cast<ACCELERATOR_DEFKEY>(id)) {
    case ACCELERATOR_DEFKEY::ENTER:
        if (const tvgui::Control* button = page(current_).pageWindow().defaultButton()) {
            SendMessageW(button->hwnd(), BM_CLICK, 0, 0);
        }
        return true;
    case ACCELERATOR_DEFKEY::ESCAPE:
        if (dropAgreed()) {
            destroy();
        }
        return true;
    }
    return false;
}

bool SettingDialog::OnClose() {
    return dropAgreed();
}

bool SettingDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE, tvgui::TvGui& sender) {
    if (&sender != &parts_->bar) {
        return false;
    }
    const auto command = static_cast<COMMAND>(id);
    try {
        if (isPage(command) && command != current_) {
            if (page(current_).leavePage()) {
                switchTo(command);
            } else {
                // A page that cannot be left yet keeps its button pressed and what the user
                // typed: entering it again would show the copies instead.
                SendMessageW(parts_->bar.hwnd(), TB_CHECKBUTTON, static_cast<WPARAM>(current_),
                             TRUE);
            }
        } else if (command == COMMAND::OK && writeAll()) {
            confirm(true);
            destroy();
        } else if (command == COMMAND::CANCEL) {
            destroy();
        }
    } catch (const std::exception& failure) {
        // A file that could not be replaced among them: none was, and the user may try again
        // or cancel.
        ExceptionDialog::show(this, failure);
    }
    return true;
}

} // namespace tavrin::gui
