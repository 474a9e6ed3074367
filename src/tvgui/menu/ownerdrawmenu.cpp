#include "tvgui/menu/ownerdrawmenu.h"

#include <algorithm>
#include <utility>

#include "system/tavrinerrors.h"
#include "tvgui/draw/brush.h"
#include "tvgui/draw/canvas.h"
#include "tvgui/draw/color.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/windowdpi.h"

namespace tavrin::tvgui {

std::vector<UINT> OwnerDrawMenu::ids() const {
    std::vector<UINT> kept;
    for (const auto& entry : drawn) {
        kept.push_back(entry.first);
    }
    return kept;
}

void OwnerDrawMenu::iconSize(image::ICONSIZE size) {
    iconKind = size;
    iconPixels = image::pixelSize(size);
}

bool OwnerDrawMenu::insertDrawn(const MENUITEM& item, DRAWMENUITEM shown) {
    if (!insert(item)) {
        return false;
    }
    drawn.insert_or_assign(item.info.wID, std::move(shown));
    return true;
}

const DRAWMENUITEM* OwnerDrawMenu::find(UINT id) const {
    const auto kept = drawn.find(id);
    return kept == drawn.end() ? nullptr : &kept->second;
}

const DRAWMENUITEM& OwnerDrawMenu::drawItemOf(UINT id) const {
    const DRAWMENUITEM* shown = find(id);
    if (shown == nullptr) {
        throw system::TavrinError("描画項目なし");
    }
    return *shown;
}

bool OwnerDrawMenu::measure(HWND window, MEASUREITEMSTRUCT& item) const {
    const DRAWMENUITEM* shown = find(item.itemID);
    if (shown == nullptr) {
        return false;
    }
    const int dpi = windowDpi(window);
    const auto resolution = static_cast<UINT>(dpi);
    const int icon = scaleForDpi(iconPixels, dpi);
    const Font font(Font::SYSTEM::MENU, dpi);
    Canvas canvas(window);
    canvas.setFont(font);
    const SIZE text = canvas.textExtent(shown->text);
    item.itemWidth =
        static_cast<UINT>(icon + 2 * GetSystemMetricsForDpi(SM_CXEDGE, resolution) + text.cx);
    item.itemHeight =
        static_cast<UINT>(std::max(GetSystemMetricsForDpi(SM_CYMENU, resolution),
                                   icon + 2 * GetSystemMetricsForDpi(SM_CYEDGE, resolution)));
    return true;
}

bool OwnerDrawMenu::draw(const DRAWITEMSTRUCT& item) const {
    const DRAWMENUITEM* shown = find(item.itemID);
    if (shown == nullptr) {
        return false;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const COLOR background = selected ? COLOR::HIGHLIGHT : COLOR::MENU;
    const COLOR foreground = !selected  ? COLOR::MENUTEXT
                             : disabled ? COLOR::MENU
                                        : COLOR::HIGHLIGHTTEXT;
    // The menu's own window shows on the monitor whose DPI the item is drawn at.
    const int dpi = windowDpi(WindowFromDC(item.hDC));
    const auto resolution = static_cast<UINT>(dpi);
    const int icon = scaleForDpi(iconPixels, dpi);
    const Brush brush(background);
    const Font font(Font::SYSTEM::MENU, dpi);
    Canvas canvas(item.hDC);
    canvas.textColor(systemColor(foreground));
    canvas.backMode(Canvas::BACKMODE::TRANSPARENT_MODE);
    canvas.setBrush(brush);
    canvas.setFont(font);
    const RECT& area = item.rcItem;
    canvas.fillRect(area, nullptr);

    const int edgeX = GetSystemMetricsForDpi(SM_CXEDGE, resolution);
    const int edgeY = GetSystemMetricsForDpi(SM_CYEDGE, resolution);
    const int height = area.bottom - area.top;
    if (shown->icon.get() != nullptr) {
        const int y = area.top + height / 2 + edgeY - (icon + 2 * edgeY) / 2;
        canvas.drawIconEx({area.left + edgeX, y}, shown->icon, icon, nullptr);
    }
    // Without an icon the text keeps the icon's column, so that the texts of a menu line up.
    const POINT text{area.left + 2 * edgeX + icon, area.top + (height - font.pixelHeight(dpi)) / 2};
    canvas.drawStateText(false, !disabled, text, shown->text);
    return true;
}

void OwnerDrawMenu::release() {
    for (auto& entry : std::exchange(drawn, {})) {
        entry.second.icon.dispose();
    }
    PopUp::release();
}

} // namespace tavrin::tvgui
