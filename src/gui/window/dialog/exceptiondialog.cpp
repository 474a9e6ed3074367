#include "gui/window/dialog/exceptiondialog.h"

#include <array>
#include <string_view>

#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/throwablechain.h"
#include "image/icon.h"
#include "shell/clipboard.h"
#include "tvgui/control/button.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/picturelabel.h"
#include "tvgui/control/treeview.h"
#include "tvgui/layout/dual.h"
#include "utility/simple/sysinfo.h"

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;
using CTRL = ExceptionDialog::CTRL;

constexpr std::string_view CAPTION = "例外";

struct ButtonText {
    CTRL id;
    const char* caption;
};
constexpr std::array<ButtonText, 5> BUTTONS{{{CTRL::WEB, "Web"},
                                             {CTRL::CLOSE, "閉じる"},
                                             {CTRL::COPY, "コピー"},
                                             {CTRL::OUTPUT, "出力"},
                                             {CTRL::UPLOAD, "アップロード"}}};

// The cells, in 96-DPI pixels; the client area is made to hold them exactly.
constexpr std::int32_t TREE_HEIGHT = 150;
constexpr std::int32_t TEXT_HEIGHT = 120;
constexpr std::int32_t BUTTON_WIDTH = 84;
constexpr SIZE CLIENT{472, MARGIN * 2 + TREE_HEIGHT + TEXT_HEIGHT + BUTTON_HEIGHT + CELL_GAP * 6};

} // namespace

struct ExceptionDialog::Parts {
    explicit Parts(ExceptionDialog& dialog)
        : handIcon(
              image::GetSystemIcon(image::ICONSIZE::LARGE, image::SYSICON::HAND, dialog.dpi())),
          icon(itemId(CTRL::ICON), dialog), tree(itemId(CTRL::TREE), dialog),
          text(itemId(CTRL::TEXT), dialog) {
        icon.setImage(handIcon);
        icon.imagePosition(tvgui::PictureLabel::POSITION::CENTER);
        text.readOnly(true);
        text.verticalScroll(true);
        for (const ButtonText& shown : BUTTONS) {
            auto& button =
                *buttons.emplace_back(std::make_unique<tvgui::Push>(itemId(shown.id), dialog));
            button.setText(shown.caption);
            addCell(buttonRow, button, BUTTON_WIDTH);
            if (shown.id == CTRL::CLOSE) {
                button.defaultButton(true);
                dialog.setDefaultButton(&button);
            }
        }
        buttonRow.spacing = {2, 0, 2, 0};
        addCell(iconColumn, icon, ICON_CELL);
        upper.rule().setAbsolute(ICON_CELL);
        upper.setGap(MARGIN);
        upper.setLayout(0, iconColumn);
        upper.setGui(1, tree);
        page.margin = {MARGIN, MARGIN, MARGIN, MARGIN};
        page.spacing = {0, CELL_GAP, 0, CELL_GAP};
        addCell(page, upper, TREE_HEIGHT);
        addCell(page, text, TEXT_HEIGHT);
        addCell(page, buttonRow, BUTTON_HEIGHT);
        dialog.layoutManager()->setRootLayout(&page);
    }

    void show(const std::vector<ThrowableEntry>& chain) {
        for (const ThrowableEntry& entry : chain) {
            const HTREEITEM node = tree.insert(nullptr, entry.className);
            tree.insert(node, entry.message);
            for (const std::string& detail : entry.details) {
                tree.insert(node, detail);
            }
            tree.expand(node, tvgui::TreeView::EXPAND::EXPAND);
        }
        // The failure itself first in view: expanding scrolled the tree to its last cause.
        if (const HTREEITEM first = tree.next(nullptr, tvgui::TreeView::NEXT::ROOT)) {
            tree.ensureVisible(first);
        }
        text.setText(failureText(chain, utility::SystemReport()));
    }

    // Shared stock icon: the label shows it for as long as the dialog lives.
    const image::Icon handIcon;
    tvgui::IconLabel icon;
    tvgui::TreeView tree;
    tvgui::MultiEdit text;
    std::vector<std::unique_ptr<tvgui::Push>> buttons;
    tvgui::Line iconColumn{DIRECTION::VERTICAL};
    tvgui::Dual upper{DIRECTION::HORIZON};
    tvgui::Line buttonRow{DIRECTION::HORIZON};
    tvgui::Line page{DIRECTION::VERTICAL};
};

ExceptionDialog::ExceptionDialog(tvgui::TvGui* owner, const std::exception& failure)
    : SelectDialog(tvgui::DIALOG_ID::EXCEPTION, WS_EX_DLGMODALFRAME, WS_CAPTION | WS_SYSMENU,
                   owner) {
    createWindow();
    setText(CAPTION);
    parts_ = std::make_unique<Parts>(*this);
    parts_->show(throwableChain(failure));
    fitClient(*this, CLIENT);
}

// The controls go before the dialog's window, which would otherwise take them along.
ExceptionDialog::~ExceptionDialog() = default;

void ExceptionDialog::show(tvgui::TvGui* owner, const std::exception& failure) {
    ExceptionDialog dialog(owner, failure);
    dialog.select();
}

bool ExceptionDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE, tvgui::TvGui&) {
    switch (static_cast<CTRL>(id)) {
    case CTRL::CLOSE:
        destroy();
        return true;
    case CTRL::COPY:
        copyText();
        return true;
    case CTRL::WEB:
    case CTRL::OUTPUT:
    case CTRL::UPLOAD:
        return true;
    default:
        return false;
    }
}

void ExceptionDialog::copyText() {
    shell::TextClipBoard clipboard(hwnd());
    if (!clipboard.setText(parts_->text.text())) {
        // Another program holds the clipboard: the user hears it and may try again.
        MessageBeep(MB_ICONHAND);
    }
}

} // namespace tavrin::gui
