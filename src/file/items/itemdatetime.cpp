#include "file/items/itemdatetime.h"

#include <charconv>
#include <string>
#include <vector>

#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using system::CODE;
using system::ItemException;
using system::SystemTime;

constexpr std::size_t TEXT_LENGTH = 19;
constexpr std::uint16_t YEAR_LIMIT = 10000;

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Digits only: from_chars alone would take a sign. No field of a 19-character text is long
// enough to overflow.
std::uint64_t decimal(std::string_view field) {
    std::uint64_t value = 0;
    const char* end = field.data() + field.size();
    const auto [stop, failure] = std::from_chars(field.data(), end, value);
    if (field.empty() || field.front() < '0' || field.front() > '9' || stop != end ||
        failure != std::errc{}) {
        throw ItemException("日時情報変換時に例外", CODE::ITEM_DATE);
    }
    return value;
}

SystemTime parse(std::string_view text) {
    if (text.size() != TEXT_LENGTH) {
        throw ItemException("内部保持用日時情報長が不正", CODE::ITEM_DATE_LENGTH);
    }
    const std::vector<std::string_view> halves = split(text, ' ');
    std::vector<std::string_view> date;
    std::vector<std::string_view> time;
    if (halves.size() == 2) {
        date = split(halves[0], '/');
        time = split(halves[1], ':');
    }
    if (date.size() != 3 || time.size() != 3) {
        throw ItemException("日時情報分割数が不正。", CODE::ITEM_DATE_SPLIT);
    }
    const std::uint64_t year = decimal(date[0]);
    const std::uint64_t month = decimal(date[1]);
    const std::uint64_t day = decimal(date[2]);
    const std::uint64_t hour = decimal(time[0]);
    const std::uint64_t minute = decimal(time[1]);
    const std::uint64_t second = decimal(time[2]);
    if (year < 1 || year >= YEAR_LIMIT || month < 1 || month > 12 || day < 1 || day > 31 ||
        hour >= 24 || minute >= 60 || second >= 60) {
        throw ItemException("日時情報がへんてこりん", CODE::ITEM_DATE_INFO);
    }
    return SystemTime{static_cast<std::uint16_t>(year),
                      static_cast<std::uint16_t>(month),
                      0,
                      static_cast<std::uint16_t>(day),
                      static_cast<std::uint16_t>(hour),
                      static_cast<std::uint16_t>(minute),
                      static_cast<std::uint16_t>(second),
                      0};
}

} // namespace

ItemDateTime::ItemDateTime() : ItemDateTime(system::currentLocalTime()) {}

ItemDateTime::ItemDateTime(const SystemTime& time) : DateTime(time, Mask, twoDigitMonthNames()) {}

ItemDateTime::ItemDateTime(std::string_view text) : ItemDateTime(parse(text)) {
    updateDayOfWeek();
}

void ItemDateTime::setYear(std::uint16_t year) {
    if (year >= YEAR_LIMIT) {
        throw ItemException("年情報が不正", CODE::ITEM_DATE);
    }
    DateTime::setYear(year);
}

} // namespace tavrin::file
