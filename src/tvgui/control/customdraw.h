#pragma once

#include "system/win32.h"
#include "tvgui/control/controlflags.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui {

// One NM_CUSTOMDRAW notification of a common control, read over the record the control
// sends. The owner answers it with the RETURN flags from its notify handler.
class CUSTOMDRAW {
public:
    enum class STAGE : DWORD {
        PREPAINT = CDDS_PREPAINT,
        POSTPAINT = CDDS_POSTPAINT,
        PREERASE = CDDS_PREERASE,
        POSTERASE = CDDS_POSTERASE,
        ITEM = CDDS_ITEM,
        ITEMPREPAINT = CDDS_ITEMPREPAINT,
        ITEMPOSTPAINT = CDDS_ITEMPOSTPAINT,
        ITEMPREERASE = CDDS_ITEMPREERASE,
        ITEMPOSTERASE = CDDS_ITEMPOSTERASE,
        SUBITEM = CDDS_SUBITEM,
    };
    enum class STATE : UINT {
        NONE = 0,
        SELECTED = CDIS_SELECTED,
        GRAYED = CDIS_GRAYED,
        DISABLED = CDIS_DISABLED,
        CHECKED = CDIS_CHECKED,
        FOCUS = CDIS_FOCUS,
        DEFAULT = CDIS_DEFAULT,
        HOT = CDIS_HOT,
        MARKED = CDIS_MARKED,
        INDETERMINATE = CDIS_INDETERMINATE,
        SHOWKEYBOARDCUES = CDIS_SHOWKEYBOARDCUES,
        NEARHOT = CDIS_NEARHOT,
        OTHERSIDEHOT = CDIS_OTHERSIDEHOT,
        DROPHILITED = CDIS_DROPHILITED,
    };
    enum class RETURN : LRESULT {
        DODEFAULT = CDRF_DODEFAULT,
        NEWFONT = CDRF_NEWFONT,
        SKIPDEFAULT = CDRF_SKIPDEFAULT,
        DOERASE = CDRF_DOERASE,
        SKIPPOSTPAINT = CDRF_SKIPPOSTPAINT,
        NOTIFYPOSTPAINT = CDRF_NOTIFYPOSTPAINT,
        NOTIFYITEMDRAW = CDRF_NOTIFYITEMDRAW,
        NOTIFYSUBITEMDRAW = CDRF_NOTIFYSUBITEMDRAW,
        NOTIFYPOSTERASE = CDRF_NOTIFYPOSTERASE,
    };

    // The header must be that of an NM_CUSTOMDRAW notification: the record it starts.
    explicit CUSTOMDRAW(NMHDR& header) noexcept
        : record_(*reinterpret_cast<NMCUSTOMDRAW*>(&header)) {}

    STAGE stage() const noexcept { return static_cast<STAGE>(record_.dwDrawStage); }
    STATE state() const noexcept { return static_cast<STATE>(record_.uItemState); }
    HDC dc() const noexcept { return record_.hdc; }
    const RECT& rect() const noexcept { return record_.rc; }
    // The item being drawn: an index for list views, a node handle for tree views.
    DWORD_PTR item() const noexcept { return record_.dwItemSpec; }
    LPARAM itemParam() const noexcept { return record_.lItemlParam; }
    NMCUSTOMDRAW& record() noexcept { return record_; }
    const NMCUSTOMDRAW& record() const noexcept { return record_; }

    static LRESULT answer(RETURN flags) noexcept { return static_cast<LRESULT>(flags); }

private:
    NMCUSTOMDRAW& record_;
};

template <> struct IsControlFlags<CUSTOMDRAW::STAGE> : std::true_type {};
template <> struct IsControlFlags<CUSTOMDRAW::STATE> : std::true_type {};
template <> struct IsControlFlags<CUSTOMDRAW::RETURN> : std::true_type {};

} // namespace tavrin::tvgui
