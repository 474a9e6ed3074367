#include "utility/simple/buildstamp.h"

#include <array>
#include <charconv>
#include <chrono>

namespace tavrin::utility {

namespace {

constexpr std::array<std::string_view, 12> monthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> weekdayNames{"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};

bool parseNumber(std::string_view text, int& number) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::string buildStamp(std::string_view date, std::string_view time) {
    const std::string joined = std::string(date) + " " + std::string(time);
    // "Mmm dd yyyy"
    if (date.size() != 11 || date[3] != ' ' || date[6] != ' ') {
        return joined;
    }
    unsigned month = 0;
    while (month < monthNames.size() && monthNames[month] != date.substr(0, 3)) {
        ++month;
    }
    int day = 0;
    int year = 0;
    if (month == monthNames.size() || !parseNumber(date.substr(4, 2), day) ||
        !parseNumber(date.substr(7), year)) {
        return joined;
    }
    const std::chrono::year_month_day calendar{std::chrono::year(year),
                                               std::chrono::month(month + 1),
                                               std::chrono::day(static_cast<unsigned>(day))};
    if (!calendar.ok()) {
        return joined;
    }
    const std::chrono::weekday weekday{std::chrono::sys_days(calendar)};
    return std::string(weekdayNames[weekday.c_encoding()]) + " " + std::string(date.substr(0, 6)) +
           " " + std::string(time) + " " + std::string(date.substr(7));
}

} // namespace tavrin::utility
