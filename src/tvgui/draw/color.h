#pragma once

#include <string>
#include <string_view>

#include "system/win32.h"
#include "utility/colorvalue.h"

namespace tavrin::tvgui {

using utility::ColorValue;

// The system colours, by their GetSysColor index.
enum class COLOR : int {
    SCROLLBAR = 0,
    BACKGROUND = 1,
    ACTIVECAPTION = 2,
    INACTIVECAPTION = 3,
    MENU = 4,
    WINDOW = 5,
    WINDOWFRAME = 6,
    MENUTEXT = 7,
    WINDOWTEXT = 8,
    CAPTIONTEXT = 9,
    ACTIVEBORDER = 10,
    INACTIVEBORDER = 11,
    APPWORKSPACE = 12,
    HIGHLIGHT = 13,
    HIGHLIGHTTEXT = 14,
    BTNFACE = 15,
    BTNSHADOW = 16,
    GRAYTEXT = 17,
    BTNTEXT = 18,
    INACTIVECAPTIONTEXT = 19,
    BTNHIGHLIGHT = 20,
    DKSHADOW_3D = 21,
    LIGHT_3D = 22,
    INFOTEXT = 23,
    INFOBK = 24,
    HOTLIGHT = 26,
    GRADIENTACTIVECAPTION = 27,
    GRADIENTINACTIVECAPTION = 28,
    MENUHILIGHT = 29,
    MENUBAR = 30,
};

// The colour the user set for that part of the screen.
inline ColorValue systemColor(COLOR color) {
    return GetSysColor(static_cast<int>(color));
}

// Two hexadecimal digits per byte: red, green, blue, then the top byte when alpha is asked
// for. Pure red is "FF0000" in upper case and "ff0000" in lower case.
std::string colorText(ColorValue color, bool alpha = false, bool upper = true);

// The colour of a text of six or eight hexadecimal digits in either case, read back byte by
// byte; eight digits give the top byte too. DrawException "色の文字列が不正:<text>" for
// anything else.
ColorValue parseColorText(std::string_view text);

} // namespace tavrin::tvgui
