#include "gui/control/emptybarhint.h"

#include <string_view>

#include "tvgui/draw/messagefont.h"
#include "tvgui/draw/screendc.h"
#include "tvgui/draw/windowdpi.h"

namespace tavrin::gui {

namespace {

constexpr std::wstring_view TEXT =
    L"ここにプログラムやファイルをドロップして追加（「設定」からも追加できます）";
// In 96-DPI pixels, around the text.
constexpr int MARGIN_X = 8;
constexpr int MARGIN_Y = 4;

// The text's box in the DC with the font selected, the previous font selected back.
SIZE textExtent(HDC dc, int dpi) {
    const HGDIOBJ previous = SelectObject(dc, tvgui::messageFontFor(dpi).get());
    SIZE size{};
    GetTextExtentPoint32W(dc, TEXT.data(), static_cast<int>(TEXT.size()), &size);
    SelectObject(dc, previous);
    return size;
}

} // namespace

SIZE EmptyBarHint::extent(int dpi) {
    const tvgui::ScreenDC screen;
    const SIZE text = textExtent(screen.get(), dpi);
    return {text.cx + 2 * tvgui::scaleForDpi(MARGIN_X, dpi),
            text.cy + 2 * tvgui::scaleForDpi(MARGIN_Y, dpi)};
}

void EmptyBarHint::draw(HDC dc, const RECT& area, int dpi) {
    RECT text = area;
    InflateRect(&text, -tvgui::scaleForDpi(MARGIN_X, dpi), -tvgui::scaleForDpi(MARGIN_Y, dpi));
    const HGDIOBJ previous = SelectObject(dc, tvgui::messageFontFor(dpi).get());
    const COLORREF colour = SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const int mode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, TEXT.data(), static_cast<int>(TEXT.size()), &text,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetBkMode(dc, mode);
    SetTextColor(dc, colour);
    SelectObject(dc, previous);
}

} // namespace tavrin::gui
