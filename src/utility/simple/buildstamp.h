#pragma once

#include <string>
#include <string_view>

namespace tavrin::utility {

// A compiler's date ("Sep 12 2009", the day padded with a blank) and time ("17:03:13")
// as weekday, month, day, time and year: "Sat Sep 12 17:03:13 2009". Text in another
// form comes back as date and time joined by a blank.
std::string buildStamp(std::string_view date, std::string_view time);

} // namespace tavrin::utility
