#include "tvgui/control/updown.h"

#include <commctrl.h>

#include "system/tavrinerrors.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/control/stylefield.h"

namespace tavrin::tvgui {

namespace {

constexpr StyleName sideNames[] = {
    {0, "0"}, {UDS_ALIGNLEFT, "UDS_ALIGNLEFT"}, {UDS_ALIGNRIGHT, "UDS_ALIGNRIGHT"}};
const StyleField sideField{sideNames};

GUIINFO upDownInfo(GUIINFO info) {
    registerCommonControls(ICC_UPDOWN_CLASS);
    return ofClass(std::move(info), "msctls_updown32", UDS_SETBUDDYINT | UDS_AUTOBUDDY);
}

} // namespace

UpDown::UpDown(ITEM_ID id, TvGui& owner, POSITION side)
    : Control(upDownInfo(controlInfo(id, owner))) {
    // The side counts only when a buddy is attached: the one found at creation is attached
    // again once the side is checked and set.
    placement(side);
    SendMessageW(hwnd(), UDM_SETBUDDY, SendMessageW(hwnd(), UDM_GETBUDDY, 0, 0), 0);
}

UpDown::POSITION UpDown::placement() const {
    return sideField.read<POSITION>(hwnd());
}

LONG_PTR UpDown::placement(POSITION side) {
    return sideField.write(hwnd(), side);
}

std::pair<int, int> UpDown::range() const {
    int lower = 0;
    int upper = 0;
    SendMessageW(hwnd(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                 reinterpret_cast<LPARAM>(&upper));
    return {lower, upper};
}

// The 32-bit range takes any pair of bounds, so setting one cannot fail: a reversed pair is
// the control's own way of counting down, not a mistake to refuse.
void UpDown::setRange(int lower, int upper) {
    SendMessageW(hwnd(), UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

// The control reads the number back from the buddy's text, which the user may have typed
// over; what it then flags as an error is text that is no number or lies outside the range.
// Handing back its last good number instead would save a value the user never saw.
int UpDown::value() const {
    BOOL failed = FALSE;
    const auto number =
        static_cast<int>(SendMessageW(hwnd(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (failed != FALSE) {
        throw system::UpDownException("アップダウン値取得失敗");
    }
    return number;
}

int UpDown::setValue(int number) {
    return static_cast<int>(SendMessageW(hwnd(), UDM_SETPOS32, 0, number));
}

std::shared_ptr<TvGui> UpDown::buddy() const {
    return guiFromHandle(reinterpret_cast<HWND>(SendMessageW(hwnd(), UDM_GETBUDDY, 0, 0)));
}

void UpDown::setBuddy(TvGui& buddy) {
    SendMessageW(hwnd(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy.hwnd()), 0);
}

} // namespace tavrin::tvgui
