#pragma once

#include <cstdint>
#include <string_view>

#include "system/timer.h"

namespace tavrin::file {

// The time of an item's registration or last start, kept in the items document as the
// 19-character text "YYYY/MM/DD hh:mm:ss", which is also its text form.
class ItemDateTime : public system::DateTime {
public:
    static constexpr std::string_view Mask = "[YYYY]/[M]/[DD] [hh]:[mm]:[ss]";

    // The current local time.
    ItemDateTime();
    explicit ItemDateTime(const system::SystemTime& time);
    // Parses the stored text. Raises ItemException: ITEM_DATE_LENGTH for a text that is not
    // 19 characters long, ITEM_DATE_SPLIT when it does not split into a date of three fields
    // and a time of three, ITEM_DATE_INFO for a field out of its range, and ITEM_DATE for a
    // field that is not a decimal number.
    explicit ItemDateTime(std::string_view text);

    // Four digits are all the stored text has room for: a year of 10000 or more raises
    // ItemException (ITEM_DATE).
    void setYear(std::uint16_t year) override;
};

} // namespace tavrin::file
