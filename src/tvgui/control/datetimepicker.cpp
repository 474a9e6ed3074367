#include "tvgui/control/datetimepicker.h"

#include <string>

#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"

namespace tavrin::tvgui {

namespace {

GUIINFO pickerInfo(GUIINFO info) {
    registerCommonControls(ICC_DATE_CLASSES);
    return ofClass(std::move(info), "SysDateTimePick32", 0);
}

} // namespace

DateTimePicker::DateTimePicker(ITEM_ID id, TvGui& owner) : DateTimePicker(controlInfo(id, owner)) {}

DateTimePicker::DateTimePicker(GUIINFO info) : Control(pickerInfo(std::move(info))) {
    dressControl(*this);
}

std::optional<SYSTEMTIME> DateTimePicker::picked() const {
    SYSTEMTIME time{};
    if (SendMessageW(hwnd(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) {
        return std::nullopt;
    }
    return time;
}

bool DateTimePicker::pick(const SYSTEMTIME& time) {
    return SendMessageW(hwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
}

bool DateTimePicker::setFormat(std::string_view format) {
    const std::wstring wide = system::toWide(format);
    return SendMessageW(hwnd(), DTM_SETFORMATW, 0,
                        format.empty() ? 0 : reinterpret_cast<LPARAM>(wide.c_str())) != 0;
}

DatePicker::DatePicker(ITEM_ID id, TvGui& owner)
    : DateTimePicker(controlInfo(id, owner, DTS_SHORTDATECENTURYFORMAT)) {}

TimePicker::TimePicker(ITEM_ID id, TvGui& owner)
    : DateTimePicker(controlInfo(id, owner, DTS_TIMEFORMAT)) {}

} // namespace tavrin::tvgui
