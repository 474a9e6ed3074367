#include "gui/window/dialog/commanddialog.h"

#include "app/application.h"
#include "gui/control/titlebar.h"
#include "gui/window/dialog/dialoglayout.h"
#include "tvgui/control/editbox.h"
#include "tvgui/draw/font.h"

namespace tavrin::gui {
namespace {

using CTRL = CommandDialog::CTRL;

// The stored font's point size at the window's DPI; a font of the default height stays so.
tvgui::Font commandFont(app::Application& application, int dpi) {
    tvgui::Font font = application.settings().CommandFont();
    if (const int points = font.pointSize(); points > 0) {
        font.pointSizeAt(points, dpi);
    }
    return font;
}

} // namespace

struct CommandDialog::Parts {
    Parts(CommandDialog& dialog, app::Application& application)
        : font(commandFont(application, dialog.dpi())), title(itemId(CTRL::TITLE), dialog),
          edit(itemId(CTRL::EDIT), dialog) {
        title.position(TitleBar::POSITION::HORIZONTAL);
        title.defaultButton(true);
        dialog.setDefaultButton(&title);
        edit.setFont(font);
        edit.setText("未実装");
    }

    tvgui::Font font;
    TitleBar title;
    tvgui::EditLine edit;
};

CommandDialog::CommandDialog(app::Application& application, tvgui::TvGui& owner)
    : ModelessDialog(tvgui::DIALOG_ID::MAIN, WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW,
                     WS_DLGFRAME | WS_THICKFRAME, &owner) {
    createWindow();
    parts_ = std::make_unique<Parts>(*this, application);
}

// The controls go before the window, which would otherwise take them along.
CommandDialog::~CommandDialog() = default;

void CommandDialog::OnSize(tvgui::SIZE_TYPE, int width, int) {
    if (!parts_) {
        return;
    }
    parts_->title.fitToOwner();
    const int top = parts_->title.thickness();
    const int line = parts_->font.pixelHeight(dpi()) + 2 * scale(GetSystemMetrics(SM_CYEDGE));
    parts_->edit.move(0, top, width, line, true);
}

void CommandDialog::OnActivate(tvgui::WINDOW_ACTIVE state, bool minimized, HWND other) {
    ModelessDialog::OnActivate(state, minimized, other);
    if (parts_) {
        parts_->title.setActive(state != tvgui::WINDOW_ACTIVE::INACTIVE);
    }
}

void CommandDialog::OnDrawItem(DRAWITEMSTRUCT& item) {
    if (parts_ && item.CtlID == static_cast<UINT>(CTRL::TITLE)) {
        parts_->title.drawItem(item);
    }
}

bool CommandDialog::OnAccelerator(tvgui::COMMAND_ID id) {
    if (static_cast<ACCELERATOR_DEFKEY>(id) != ACCELERATOR_DEFKEY::ESCAPE) {
        return ModelessDialog::OnAccelerator(id);
    }
    show(tvgui::SHOW::HIDE);
    return true;
}

} // namespace tavrin::gui
