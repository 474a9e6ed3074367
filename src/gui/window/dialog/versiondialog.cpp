#include "gui/window/dialog/versiondialog.h"

#include <string_view>

#include "gui/window/dialog/dialoglayout.h"
#include "image/icon.h"
#include "tvgui/control/button.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/picturelabel.h"
#include "tvgui/control/statc.h"
#include "tvgui/layout/dual.h"
#include "utility/simple/sysinfo.h"

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;
using CTRL = VersionDialog::CTRL;

constexpr std::string_view CAPTION = "バージョン情報";

// The cells, in 96-DPI pixels; the client area is made to hold them exactly.
constexpr std::int32_t LABEL_HEIGHT = 20;
constexpr std::int32_t TEXT_HEIGHT = 150;
// The share of the button row left blank before the button, in percent.
constexpr long double BUTTON_ROW_BLANK = 78;
constexpr SIZE CLIENT{420,
                      MARGIN * 2 + LABEL_HEIGHT * 4 + TEXT_HEIGHT + BUTTON_HEIGHT + CELL_GAP * 6};

} // namespace

struct VersionDialog::Parts {
    Parts(VersionDialog& dialog, const VersionInfo& info)
        : appIcon(
              image::GetSystemIcon(image::ICONSIZE::LARGE, image::SYSICON::TAVRIN, dialog.dpi())),
          icon(itemId(CTRL::ICON), dialog), name(itemId(CTRL::NAME), dialog, info.name),
          version(itemId(CTRL::VERSION), dialog, info.version),
          webSite(itemId(CTRL::WEBSITE), dialog, info.webSite),
          mail(itemId(CTRL::MAIL), dialog, info.mail), text(itemId(CTRL::TEXT), dialog),
          close(itemId(CTRL::CLOSE), dialog) {
        icon.setImage(appIcon);
        icon.imagePosition(tvgui::PictureLabel::POSITION::CENTER);
        text.readOnly(true);
        text.verticalScroll(true);
        text.setText(utility::SystemReport());
        close.setText("閉じる");
        close.defaultButton(true);
        dialog.setDefaultButton(&close);

        addCell(iconColumn, icon, ICON_CELL);
        for (tvgui::TextLabel* label : {&name, &version, &webSite, &mail}) {
            addCell(labels, *label, LABEL_HEIGHT);
        }
        upper.rule().setAbsolute(ICON_CELL);
        upper.setGap(MARGIN);
        upper.setLayout(0, iconColumn);
        upper.setLayout(1, labels);
        // The button takes the right end of its row, wherever the window's frame leaves it.
        buttonRow.rule().setPercent(BUTTON_ROW_BLANK);
        buttonRow.setGui(1, close);
        page.margin = {MARGIN, MARGIN, MARGIN, MARGIN};
        page.spacing = {0, CELL_GAP, 0, CELL_GAP};
        addCell(page, upper, LABEL_HEIGHT * 4);
        addCell(page, text, TEXT_HEIGHT);
        addCell(page, buttonRow, BUTTON_HEIGHT);
        dialog.layoutManager()->setRootLayout(&page);
    }

    const image::Icon appIcon;
    tvgui::IconLabel icon;
    tvgui::TextLabel name;
    tvgui::TextLabel version;
    tvgui::TextLabel webSite;
    tvgui::TextLabel mail;
    tvgui::MultiEdit text;
    tvgui::Push close;
    tvgui::Line iconColumn{DIRECTION::VERTICAL};
    tvgui::Line labels{DIRECTION::VERTICAL};
    tvgui::Dual upper{DIRECTION::HORIZON};
    tvgui::Dual buttonRow{DIRECTION::HORIZON};
    tvgui::Line page{DIRECTION::VERTICAL};
};

VersionDialog::VersionDialog(tvgui::TvGui& owner, const VersionInfo& info)
    : ModalDialog(tvgui::DIALOG_ID::VERSION, WS_EX_DLGMODALFRAME, WS_CAPTION | WS_SYSMENU, &owner) {
    createWindow();
    setText(CAPTION);
    parts_ = std::make_unique<Parts>(*this, info);
    fitClient(*this, CLIENT);
}

// The controls go before the dialog's window, which would otherwise take them along.
VersionDialog::~VersionDialog() = default;

bool VersionDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE, tvgui::TvGui&) {
    if (static_cast<CTRL>(id) != CTRL::CLOSE) {
        return false;
    }
    destroy();
    return true;
}

TavrinVersion::TavrinVersion(tvgui::TvGui& owner)
    : VersionDialog(owner, readVersion(versionDocumentText())) {}

} // namespace tavrin::gui
