#include "gui/control/buttonlistmenu.h"

#include "gui/control/menutag.h"
#include "gui/control/tavrintoolbar.h"

namespace tavrin::gui {

ButtonListMenu::ButtonListMenu(const std::vector<file::BM_ITEM>& records, image::ICONSIZE size) {
    iconSize(size);
    for (std::size_t index = 0; index < records.size(); ++index) {
        const file::BM_ITEM& record = records[index];
        insertDrawn(taggedItem(static_cast<UINT>(index + 1), MENUS::BUTTON_LIST),
                    {buttonCaption(*record.item), buttonIcon(size, *record.item)});
    }
}

} // namespace tavrin::gui
