#include "gui/window/dialog/questiondialog.h"

#include "gui/window/dialog/dialoglayout.h"
#include "tvgui/control/button.h"
#include "tvgui/control/editbox.h"
#include "tvgui/layout/dual.h"

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;
using CTRL = QuestionDialog::CTRL;

constexpr std::int32_t TEXT_HEIGHT = 120;
constexpr std::int32_t BUTTON_WIDTH = 90;
constexpr SIZE CLIENT{360, MARGIN * 2 + TEXT_HEIGHT + BUTTON_HEIGHT + CELL_GAP * 4};

} // namespace

struct QuestionDialog::Parts {
    Parts(QuestionDialog& dialog, std::string_view question)
        : text(itemId(CTRL::TEXT), dialog), yes(itemId(CTRL::YES), dialog),
          no(itemId(CTRL::NO), dialog) {
        text.readOnly(true);
        text.verticalScroll(true);
        text.setText(question);
        yes.setText("はい");
        no.setText("いいえ");
        no.defaultButton(true);
        dialog.setDefaultButton(&no);
        buttons.spacing = {CELL_GAP, 0, 0, 0};
        addCell(buttons, yes, BUTTON_WIDTH);
        addCell(buttons, no, BUTTON_WIDTH);
        buttonRow.rule().setAbsolute(CLIENT.cx - MARGIN * 2 - BUTTON_WIDTH * 2 - CELL_GAP * 2);
        buttonRow.setLayout(1, buttons);
        page.margin = {MARGIN, MARGIN, MARGIN, MARGIN};
        page.spacing = {0, CELL_GAP, 0, CELL_GAP};
        addCell(page, text, TEXT_HEIGHT);
        addCell(page, buttonRow, BUTTON_HEIGHT);
        dialog.layoutManager()->setRootLayout(&page);
    }

    tvgui::MultiEdit text;
    tvgui::Push yes;
    tvgui::Push no;
    tvgui::Line buttons{DIRECTION::HORIZON};
    tvgui::Dual buttonRow{DIRECTION::HORIZON};
    tvgui::Line page{DIRECTION::VERTICAL};
};

QuestionDialog::QuestionDialog(tvgui::TvGui* owner, std::string_view caption, std::string_view text)
    : SelectDialog(tvgui::DIALOG_ID::NONE, WS_EX_DLGMODALFRAME, WS_CAPTION | WS_SYSMENU, owner) {
    createWindow();
    setText(caption);
    parts_ = std::make_unique<Parts>(*this, text);
    fitClient(*this, CLIENT);
}

QuestionDialog::~QuestionDialog() = default;

bool QuestionDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE, tvgui::TvGui&) {
    const auto control = static_cast<CTRL>(id);
    if (control != CTRL::YES && control != CTRL::NO) {
        return false;
    }
    confirm(control == CTRL::YES);
    destroy();
    return true;
}

} // namespace tavrin::gui
