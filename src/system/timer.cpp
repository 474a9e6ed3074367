#include "system/timer.h"

#include <optional>
#include <source_location>
#include <string>

#include "system/tavrinerrors.h"

namespace tavrin::system {

namespace {

constexpr std::int64_t millisecondsPerDay = 86'400'000;

// Integer division and remainder rounded towards minus infinity, so that times before
// 1970 (negative values) split into the same calendar as the ones after.
std::int64_t floorDiv(std::int64_t dividend, std::int64_t divisor) {
    const std::int64_t quotient = dividend / divisor;
    return (dividend % divisor != 0 && (dividend < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

std::int64_t floorMod(std::int64_t dividend, std::int64_t divisor) {
    return dividend - floorDiv(dividend, divisor) * divisor;
}

// Days since 1 January 1970 of a proleptic Gregorian date, counted in 400-year eras that
// begin on 1 March so that the leap day ends each year.
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

struct CivilDate {
    std::int64_t year;
    std::int64_t month;
    std::int64_t day;
};

CivilDate civilFromDays(std::int64_t days) {
    days += 719'468;
    const std::int64_t era = floorDiv(days, 146'097);
    const std::int64_t dayOfEra = days - era * 146'097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month,
            dayOfYear - (153 * shiftedMonth + 2) / 5 + 1};
}

// The texts of the range errors hold the refused value in their "%s".
[[noreturn]] void refuse(std::string_view text, std::int64_t value, CODE code,
                         std::source_location where = std::source_location::current()) {
    std::string message(text);
    message.replace(message.find("%s"), 2, std::to_string(value));
    throw DateTimeException(std::move(message), code, nullptr, where);
}

template <std::size_t Size>
void refuseBrackets(const std::array<std::string, Size>& names, CODE code,
                    std::source_location where = std::source_location::current()) {
    for (const std::string& name : names) {
        if (name.find('[') != std::string::npos) {
            throw DateTimeException("不正", code, nullptr, where);
        }
    }
}

// Width 0 leaves the number as it is; otherwise it is cut to its last width digits or
// filled with leading zeros up to the width.
std::string digits(std::uint16_t number, std::size_t width) {
    std::string text = std::to_string(number);
    if (width == 0 || text.size() == width) {
        return text;
    }
    if (text.size() > width) {
        return text.substr(text.size() - width);
    }
    return std::string(width - text.size(), '0') + text;
}

// The entry for a value counted from first, checked so that a value the unchecked
// constructors let in prints as its number instead of reading past the table.
template <std::size_t Size>
std::string nameOf(const std::array<std::string, Size>& names, std::uint16_t value,
                   std::uint16_t first) {
    const std::size_t index = std::size_t{value} - first;
    return value >= first && index < Size ? names[index] : std::to_string(value);
}

bool has(DateTime::MASK kind, DateTime::MASK part) {
    return (kind & part) != DateTime::MASK::NONE;
}

// The numeric tokens, each with its part, its field and its width (0: plain).
struct NumberToken {
    std::string_view token;
    DateTime::MASK part;
    std::uint16_t SystemTime::*field;
    std::size_t width;
};

constexpr NumberToken numberTokens[] = {
    {"Y", DateTime::MASK::DATE, &SystemTime::wYear, 0},
    {"YY", DateTime::MASK::DATE, &SystemTime::wYear, 2},
    {"YYYY", DateTime::MASK::DATE, &SystemTime::wYear, 4},
    {"D", DateTime::MASK::DATE, &SystemTime::wDay, 0},
    {"DD", DateTime::MASK::DATE, &SystemTime::wDay, 2},
    {"h", DateTime::MASK::TIME, &SystemTime::wHour, 0},
    {"hh", DateTime::MASK::TIME, &SystemTime::wHour, 2},
    {"m", DateTime::MASK::TIME, &SystemTime::wMinute, 0},
    {"mm", DateTime::MASK::TIME, &SystemTime::wMinute, 2},
    {"s", DateTime::MASK::TIME, &SystemTime::wSecond, 0},
    {"ss", DateTime::MASK::TIME, &SystemTime::wSecond, 2},
    {"ms", DateTime::MASK::TIME, &SystemTime::wMilliseconds, 0},
    {"MS", DateTime::MASK::TIME, &SystemTime::wMilliseconds, 3},
};

} // namespace

SystemTime fromTimeValue(std::int64_t milliseconds) {
    const std::int64_t days = floorDiv(milliseconds, millisecondsPerDay);
    const CivilDate date = civilFromDays(days);
    if (date.year < 0 || date.year > UINT16_MAX) {
        refuse("年の値が不正(%s)", date.year, CODE::DATE);
    }
    const std::int64_t ofDay = milliseconds - days * millisecondsPerDay;
    SystemTime time;
    time.wYear = static_cast<std::uint16_t>(date.year);
    time.wMonth = static_cast<std::uint16_t>(date.month);
    time.wDayOfWeek = static_cast<std::uint16_t>(floorMod(days + 4, 7)); // 1970-01-01: Thursday
    time.wDay = static_cast<std::uint16_t>(date.day);
    time.wHour = static_cast<std::uint16_t>(ofDay / 3'600'000);
    time.wMinute = static_cast<std::uint16_t>(ofDay / 60'000 % 60);
    time.wSecond = static_cast<std::uint16_t>(ofDay / 1'000 % 60);
    time.wMilliseconds = static_cast<std::uint16_t>(ofDay % 1'000);
    return time;
}

std::int64_t toTimeValue(const SystemTime& time) {
    return daysFromCivil(time.wYear, time.wMonth, time.wDay) * millisecondsPerDay +
           time.wHour * std::int64_t{3'600'000} + time.wMinute * std::int64_t{60'000} +
           time.wSecond * std::int64_t{1'000} + time.wMilliseconds;
}

std::int64_t currentTimeValue() {
    return toTimeValue(currentLocalTime());
}

DateTime::MASK operator|(DateTime::MASK left, DateTime::MASK right) noexcept {
    return static_cast<DateTime::MASK>(static_cast<std::uint8_t>(left) |
                                       static_cast<std::uint8_t>(right));
}

DateTime::MASK operator&(DateTime::MASK left, DateTime::MASK right) noexcept {
    return static_cast<DateTime::MASK>(static_cast<std::uint8_t>(left) &
                                       static_cast<std::uint8_t>(right));
}

const DateTime::MonthNames& DateTime::plainMonthNames() {
    static const MonthNames names{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    return names;
}

const DateTime::MonthNames& DateTime::twoDigitMonthNames() {
    static const MonthNames names{"01", "02", "03", "04", "05", "06",
                                  "07", "08", "09", "10", "11", "12"};
    return names;
}

const DateTime::WeekNames& DateTime::japaneseWeekNames() {
    static const WeekNames names{"日", "月", "火", "水", "木", "金", "土"};
    return names;
}

DateTime::DateTime() : DateTime(currentLocalTime()) {}

DateTime::DateTime(const SystemTime& time) : DateTime(time, DefaultMask, plainMonthNames()) {}

DateTime::DateTime(std::uint16_t year, std::uint16_t month, std::uint16_t day, std::uint16_t hour,
                   std::uint16_t minute, std::uint16_t second, std::uint16_t milliseconds)
    : DateTime(SystemTime{year, month, 0, day, hour, minute, second, milliseconds}) {
    updateDayOfWeek();
}

DateTime::DateTime(std::int64_t milliseconds) : DateTime(fromTimeValue(milliseconds)) {}

DateTime::DateTime(const SystemTime& time, std::string_view mask, const MonthNames& months)
    : time_(time), mask_(mask), months_(months), weekdays_(japaneseWeekNames()) {}

std::string DateTime::toString() const {
    return format(kind_, months_, weekdays_, mask_);
}

std::string DateTime::format(MASK kind, const MonthNames& months, const WeekNames& weekdays,
                             std::string_view mask) const {
    // The replacement of a token, or nothing when it is no token of a part being replaced.
    auto replacement = [&](std::string_view token) -> std::optional<std::string> {
        for (const NumberToken& number : numberTokens) {
            if (token == number.token) {
                return has(kind, number.part)
                           ? std::optional(digits(time_.*number.field, number.width))
                           : std::nullopt;
            }
        }
        if (!has(kind, MASK::DATE)) {
            return std::nullopt;
        }
        if (token == "M") {
            return nameOf(months, time_.wMonth, 1);
        }
        if (token == "W") {
            return nameOf(weekdays, time_.wDayOfWeek, 0);
        }
        return std::nullopt;
    };

    // One pass over the mask: a replacement is never scanned again, so no name can form
    // a token together with the text around it.
    std::string text;
    text.reserve(mask.size() + 16);
    std::size_t at = 0;
    while (at < mask.size()) {
        const std::size_t open = mask.find('[', at);
        if (open == std::string_view::npos) {
            break;
        }
        text.append(mask, at, open - at);
        const std::size_t close = mask.find(']', open + 1);
        const auto value = close == std::string_view::npos
                               ? std::nullopt
                               : replacement(mask.substr(open + 1, close - open - 1));
        if (value) {
            text += *value;
            at = close + 1;
        } else {
            text += '[';
            at = open + 1;
        }
    }
    text.append(mask, at);
    return text;
}

void DateTime::updateDayOfWeek() noexcept {
    std::int64_t year = time_.wYear;
    std::int64_t month = time_.wMonth;
    if (month == 1 || month == 2) {
        year -= 1;
        month += 12;
    }
    // floor(2.6 * m + 1.6) in exact integer arithmetic.
    const std::int64_t sum = year + floorDiv(year, 4) - floorDiv(year, 100) + floorDiv(year, 400) +
                             (26 * month + 16) / 10 + time_.wDay;
    time_.wDayOfWeek = static_cast<std::uint16_t>(floorMod(sum, 7));
}

void DateTime::setMonthNames(const MonthNames& names) {
    refuseBrackets(names, CODE::DATE_MONTH_LIST);
    months_ = names;
}

void DateTime::setWeekNames(const WeekNames& names) {
    refuseBrackets(names, CODE::DATE_WEEKLIST);
    weekdays_ = names;
}

void DateTime::setYear(std::uint16_t year) {
    time_.wYear = year;
    updateDayOfWeek();
}

void DateTime::setMonth(int month) {
    if (month < 1 || month > 12) {
        refuse("月の値が不正(%s)", month, CODE::DATE_MONTH);
    }
    time_.wMonth = static_cast<std::uint16_t>(month);
    updateDayOfWeek();
}

void DateTime::setDay(int day) {
    if (day < 1 || day > 31) {
        refuse("日の値が不正(%s)", day, CODE::DATE_DAY);
    }
    time_.wDay = static_cast<std::uint16_t>(day);
    updateDayOfWeek();
}

const std::string& DateTime::weekName(int index) const {
    if (index < 0 || index >= 7) {
        refuse("週の値が不正(%s)", index, CODE::DATE_WEEK_NAME);
    }
    return weekdays_[static_cast<std::size_t>(index)];
}

void DateTime::setHour(int hour) {
    if (hour < 0 || hour >= 24) {
        refuse("時間の値が不正(%s)", hour, CODE::DATE_HOUR);
    }
    time_.wHour = static_cast<std::uint16_t>(hour);
}

void DateTime::setMinute(int minute) {
    if (minute < 0 || minute >= 60) {
        refuse("分の値が不正(%s)", minute, CODE::DATE_MINUTE);
    }
    time_.wMinute = static_cast<std::uint16_t>(minute);
}

void DateTime::setSecond(int second) {
    if (second < 0 || second >= 60) {
        refuse("秒の値が不正(%s)", second, CODE::DATE_SECOND);
    }
    time_.wSecond = static_cast<std::uint16_t>(second);
}

void DateTime::setMilliseconds(std::uint16_t milliseconds) {
    time_.wMilliseconds = milliseconds;
}

bool DateTime::operator==(const DateTime& other) const noexcept {
    return kind_ == other.kind_ && time_ == other.time_;
}

ThrowableTime::ThrowableTime(std::int64_t milliseconds)
    : DateTime(fromTimeValue(milliseconds), Mask, twoDigitMonthNames()) {}

} // namespace tavrin::system
