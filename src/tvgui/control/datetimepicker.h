#pragma once

#include <optional>
#include <string_view>

#include "system/win32.h"
#include "tvgui/control/commoncontrol.h"
#include "tvgui/window/control.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui {

// A box that shows a date or a time and lets the user pick another.
class DateTimePicker : public Control, public ICommonControl {
public:
    // Whether a change the control reports (NMDATETIMECHANGE.dwFlags) carries a time, or the
    // user cleared the box of a picker that may hold none.
    enum class MSG : DWORD { VALID = GDT_VALID, NONE = GDT_NONE };

    DateTimePicker(ITEM_ID id, TvGui& owner);

    // Empty when the control holds no valid time.
    std::optional<SYSTEMTIME> picked() const;
    // False when the control refuses the time (no such date, or outside its range).
    bool pick(const SYSTEMTIME& time);
    // The control's own format text ("yyyy/MM/dd HH:mm"); empty restores the style's format.
    bool setFormat(std::string_view format);

protected:
    explicit DateTimePicker(GUIINFO info);

    HWND commonControl() const override { return hwnd(); }
};

class DatePicker : public DateTimePicker {
public:
    DatePicker(ITEM_ID id, TvGui& owner);
};

class TimePicker : public DateTimePicker {
public:
    TimePicker(ITEM_ID id, TvGui& owner);
};

} // namespace tavrin::tvgui
