#include "gui/window/dialog/inputdialog.h"

#include <utility>

#include "gui/control/titlebar.h"
#include "gui/window/dialog/browsedialogs.h"
#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/exceptiondialog.h"
#include "gui/window/dialog/guardedaction.h"
#include "gui/window/dialog/pathplacement.h"
#include "image/icon.h"
#include "system/caughtcause.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/control/button.h"
#include "tvgui/control/editbox.h"

namespace tavrin::gui {
namespace {

using CTRL = InputDialog::CTRL;

// The client width and the browse buttons' icon edge, in 96-DPI pixels.
constexpr int CLIENT_WIDTH = 256;
constexpr int ICON_EDGE = 16;

// A button that shows a small icon of the launcher's own, which it keeps.
struct IconButton {
    IconButton(CTRL id, tvgui::TvGui& dialog, image::SYSICON which, bool enabled)
        : icon(image::GetSystemIcon(image::ICONSIZE::SMALL, which, dialog.dpi())),
          button(itemId(id), dialog) {
        button.imageType(tvgui::Button::IMAGE_TYPE::ICON);
        button.setImage(icon);
        button.enable(enabled);
    }

    const image::Icon icon;
    tvgui::Push button;
};

} // namespace

struct InputDialog::Parts {
    Parts(InputDialog& dialog, const InputConfig& config)
        : title(itemId(CTRL::TITLE), dialog), edit(itemId(CTRL::EDIT), dialog),
          file(CTRL::FILE, dialog, image::SYSICON::FILE, config.fileButton),
          folder(CTRL::FOLDER, dialog, image::SYSICON::FOLDER, config.folderButton),
          ok(itemId(CTRL::OK), dialog), cancel(itemId(CTRL::CANCEL), dialog) {
        title.position(TitleBar::POSITION::HORIZONTAL);
        edit.setText(config.text);
        edit.readOnly(!config.editable);
        edit.noHideSelect(true);
        ok.setText("OK");
        ok.defaultButton(true);
        dialog.setDefaultButton(&ok);
        cancel.setText("キャンセル");
        cancel.enable(config.cancelButton);
    }

    TitleBar title;
    tvgui::EditLine edit;
    IconButton file;
    IconButton folder;
    tvgui::Push ok;
    tvgui::Push cancel;
};

InputDialog::InputDialog(InputConfig config, tvgui::TvGui* owner)
    : SelectDialog(tvgui::DIALOG_ID::INPUT, WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW, WS_DLGFRAME,
                   owner),
      config_(std::move(config)) {
    createWindow();
    parts_ = std::make_unique<Parts>(*this, config_);
    fitClientPixels(*this, SIZE{scale(CLIENT_WIDTH),
                                buttonSize().cy + parts_->title.thickness() + lineHeight() + 1});
}

// The controls go before the dialog's window, which would otherwise take them along.
InputDialog::~InputDialog() = default;

int InputDialog::lineHeight() const {
    return parts_->edit.lineHeight();
}

SIZE InputDialog::buttonSize() const {
    const auto frame = [this](int metric) {
        return GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi()));
    };
    return SIZE{scale(ICON_EDGE) + frame(SM_CXFRAME), scale(ICON_EDGE) + frame(SM_CYFRAME)};
}

void InputDialog::OnSize(tvgui::SIZE_TYPE, int width, int) {
    if (!parts_) {
        return;
    }
    parts_->title.fitToOwner();
    const int top = parts_->title.thickness();
    const int line = lineHeight();
    const SIZE button = buttonSize();
    const int row = top + line + 1;
    const int wide = (width - 2 * button.cx) / 2;
    parts_->edit.move(0, top, width, line, true);
    parts_->file.button.move(0, row, button.cx, button.cy, true);
    parts_->folder.button.move(button.cx, row, button.cx, button.cy, true);
    parts_->ok.move(2 * button.cx, row, wide, button.cy, true);
    parts_->cancel.move(2 * button.cx + wide, row, wide, button.cy, true);
}

void InputDialog::OnActivate(tvgui::WINDOW_ACTIVE state, bool, HWND) {
    if (parts_) {
        parts_->title.setActive(state != tvgui::WINDOW_ACTIVE::INACTIVE);
    }
}

void InputDialog::OnDrawItem(DRAWITEMSTRUCT& item) {
    if (parts_ && item.CtlID == static_cast<UINT>(CTRL::TITLE)) {
        parts_->title.drawItem(item);
    }
}

bool InputDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE, tvgui::TvGui&) {
    switch (static_cast<CTRL>(id)) {
    case CTRL::OK:
        accept();
        return true;
    case CTRL::CANCEL:
        confirm(false);
        destroy();
        return true;
    case CTRL::FILE:
        browseFile();
        return true;
    case CTRL::FOLDER:
        browseFolder();
        return true;
    default:
        return false;
    }
}

// No failure of the checker or the receiver leaves the prompt: the user sees it over the
// prompt and can correct the text, which stays as typed.
void InputDialog::accept() {
    const std::string typed = parts_->edit.text();
    confirm(false);
    try {
        if (config_.checker != nullptr) {
            config_.checker(typed);
        }
        if (config_.receiver) {
            config_.receiver(typed);
        }
    } catch (const system::TavrinException&) {
        // A refusal is said plainly; anything else the checker raised is a failure.
        guarded(*this, [caught = std::current_exception()] { std::rethrow_exception(caught); });
        return;
    } catch (const std::exception& failure) {
        showFailure(
            system::InputException("ん？", system::CODE::NONE, system::caughtCause(failure)));
        return;
    } catch (...) {
        showFailure(system::InputException("ん？"));
        return;
    }
    confirm(true);
    destroy();
}

void InputDialog::showFailure(const std::exception& failure) {
    ExceptionDialog::show(this, failure);
}

void InputDialog::browseFile() {
    try {
        if (const auto chosen =
                browseForFileWith(hwnd(), config_.startPath, config_.fileTitle, config_.filters)) {
            place(*chosen);
        }
    } catch (const std::exception& failure) {
        showFailure(failure);
    }
}

void InputDialog::browseFolder() {
    try {
        if (const auto chosen = browseForFolder(hwnd(), config_.startPath)) {
            place(*chosen);
        }
    } catch (const std::exception& failure) {
        showFailure(failure);
    }
}

void InputDialog::place(const std::string& path) {
    const auto [start, end] = parts_->edit.selection();
    parts_->edit.setText(
        system::toUtf8(placePath(system::toWide(parts_->edit.text()), !parts_->edit.readOnly(),
                                 start, end, system::toWide(path))));
}

void InputDialog::OnDestroy() {
    if (parts_) {
        finalText_ = parts_->edit.text();
    }
    SelectDialog::OnDestroy();
}

} // namespace tavrin::gui
