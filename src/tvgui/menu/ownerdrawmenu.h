#pragma once

#include <map>
#include <string>
#include <vector>

#include "image/icon.h"
#include "system/win32.h"
#include "tvgui/menu/popup.h"

namespace tavrin::tvgui {

// What an owner-drawn item shows: its text and its icon (an icon without a handle for none).
struct DRAWMENUITEM {
    std::string text;
    image::Icon icon;
};

// A pop-up menu whose items the toolkit measures and paints: icon, then text, in the system
// menu font and colours, all sized for the DPI of the window the menu shows in (the icon
// size is in 96-DPI pixels). The owner window hands WM_MEASUREITEM and WM_DRAWITEM to measure
// and draw.
class OwnerDrawMenu : public PopUp {
public:
    // The WM_MENUCHAR answers.
    enum class MNC : LRESULT { IGNORE_CHAR = 0, CLOSE = 1, EXECUTE = 2, SELECT = 3 };

    OwnerDrawMenu() = default;
    ~OwnerDrawMenu() override { releaseAtEnd(system::logRefusedRelease); }

    std::vector<UINT> ids() const;
    image::ICONSIZE iconSize() const noexcept { return iconKind; }
    void iconSize(image::ICONSIZE size);

    // Inserts the item and, when the system did, keeps what it shows.
    bool insertDrawn(const MENUITEM& item, DRAWMENUITEM drawn);
    bool isDrawn(UINT id) const { return drawn.contains(id); }
    // TavrinError for an id that has no drawing record.
    const DRAWMENUITEM& drawItemOf(UINT id) const;

    // Sizes an item of this menu in the owner window's menu font; false for an item that is
    // not this menu's, which the owner leaves to others.
    bool measure(HWND window, MEASUREITEMSTRUCT& item) const;
    // Paints an item of this menu; false for an item that is not this menu's.
    bool draw(const DRAWITEMSTRUCT& item) const;

protected:
    void release() override;

private:
    const DRAWMENUITEM* find(UINT id) const;

    std::map<UINT, DRAWMENUITEM> drawn;
    image::ICONSIZE iconKind = image::ICONSIZE::SMALL;
    int iconPixels = image::pixelSize(image::ICONSIZE::SMALL);
};

} // namespace tavrin::tvgui
