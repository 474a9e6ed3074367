#include "gui/window/dialog/commandrow.h"

#include "system/unicode.h"

namespace tavrin::gui {
namespace {

int textWidth(HDC dc, const std::wstring& text) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void drawText(HDC dc, const std::wstring& text, RECT area, UINT format) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

} // namespace

void drawCommandRow(HDC dc, const RECT& area, const CommandRow& row,
                    const CommandRowMetrics& metrics, COLORREF text, COLORREF background) {
    SetBkColor(dc, background);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    if (row.icon != nullptr) {
        DrawIconEx(dc, area.left + metrics.margin,
                   area.top + (area.bottom - area.top - metrics.iconPixels) / 2, row.icon,
                   metrics.iconPixels, metrics.iconPixels, 0, nullptr, DI_NORMAL);
    }
    SetTextColor(dc, row.usable ? text : GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    RECT keyArea = area;
    keyArea.right -= metrics.margin;
    const std::wstring key = system::toWide(row.key);
    drawText(dc, key, keyArea, DT_RIGHT);
    // The caption gives way to the key where the box is too narrow for both.
    RECT captionArea = area;
    captionArea.left += metrics.iconPixels + 3 * metrics.margin;
    captionArea.right = keyArea.right - (key.empty() ? 0 : textWidth(dc, key) + metrics.margin);
    drawText(dc, system::toWide(row.caption), captionArea, DT_END_ELLIPSIS);
}

int commandRowWidth(HDC dc, const CommandRow& row, const CommandRowMetrics& metrics) {
    const int key = row.key.empty() ? 0 : textWidth(dc, system::toWide(row.key));
    // Margins: before and after the icon, between the texts, at the right end.
    return metrics.iconPixels + 5 * metrics.margin + textWidth(dc, system::toWide(row.caption)) +
           key + (key > 0 ? 4 * metrics.margin : 0);
}

} // namespace tavrin::gui
