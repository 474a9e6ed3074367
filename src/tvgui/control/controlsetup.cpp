#include "tvgui/control/controlsetup.h"

#include <commctrl.h>

#include "system/tavrinerrors.h"

#include "tvgui/draw/messagefont.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::tvgui {

GUIINFO controlInfo(ITEM_ID id, TvGui& owner, DWORD style) {
    GUIINFO info;
    info.Style = style;
    info.Id = static_cast<std::uintptr_t>(id);
    info.Owner = &owner;
    return info;
}

GUIINFO ofClass(GUIINFO info, const char* className, DWORD style) {
    if (info.ClassName.empty()) {
        info.ClassName = className;
    }
    info.Style |= style;
    return info;
}

void dressControl(TvGui& control) {
    // A control does not own the font it is given: one font per DPI serves them all for the
    // whole process.
    control.setText("");
    control.setFont(messageFontFor(control.dpi()));
}

void registerCommonControls(DWORD classes) {
    const INITCOMMONCONTROLSEX wanted{sizeof(INITCOMMONCONTROLSEX), classes};
    if (InitCommonControlsEx(&wanted) == FALSE) {
        throw system::TvGuiException("コモンコントロール登録失敗");
    }
}

} // namespace tavrin::tvgui
