#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tavrin::system {

// Field for field the Windows SYSTEMTIME record, so that the platform's local time copies
// straight in; kept free of Windows headers so that date-time code builds everywhere.
struct SystemTime {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0; // 0 Sunday to 6 Saturday
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;

    friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// The platform's current local time (GetLocalTime on Windows).
SystemTime currentLocalTime();

// A time value is a signed count of milliseconds since 1 January 1970 on the proleptic
// Gregorian calendar, read as local time. Years outside 0 to 65535 do not fit the record:
// fromTimeValue raises DateTimeException (code DATE) for them.
SystemTime fromTimeValue(std::int64_t milliseconds);
std::int64_t toTimeValue(const SystemTime& time);
// The current local time as a time value: UTC plus the zone and daylight-saving offsets.
std::int64_t currentTimeValue();

// A calendar date and clock time with its own text form: a mask of bracketed tokens
// ("[YYYY]", "[M]", "[DD]", "[W]", "[hh]", "[mm]", "[ss]", "[MS]" and their plain forms),
// replaced by the parts of the value; everything else in the mask stays as written.
// Setters refuse out-of-range values with DateTimeException and leave the value unchanged.
class DateTime {
public:
    // Which parts of the mask are replaced; tokens of a part left out stay in the text.
    enum class MASK : std::uint8_t { NONE = 0, DATE = 1, TIME = 2, ALL = 3 };

    using MonthNames = std::array<std::string, 12>; // months 1 to 12
    using WeekNames = std::array<std::string, 7>;   // Sunday first

    static constexpr std::string_view DefaultMask = "[Y]/[M]/[D]([W]) [h]:[m]:[s].[ms]";
    static const MonthNames& plainMonthNames();    // "1" ... "12"
    static const MonthNames& twoDigitMonthNames(); // "01" ... "12"
    static const WeekNames& japaneseWeekNames();   // "日" ... "土"

    // The current local time.
    DateTime();
    // The record as it stands, day of week included, without checks.
    explicit DateTime(const SystemTime& time);
    // The parts as they stand, without checks; the day of week is computed.
    DateTime(std::uint16_t year, std::uint16_t month, std::uint16_t day, std::uint16_t hour,
             std::uint16_t minute, std::uint16_t second, std::uint16_t milliseconds);
    // From a time value (see fromTimeValue).
    explicit DateTime(std::int64_t milliseconds);

    DateTime(const DateTime&) = default;
    DateTime& operator=(const DateTime&) = default;
    DateTime(DateTime&&) = default;
    DateTime& operator=(DateTime&&) = default;
    virtual ~DateTime() = default;

    // The value formatted with its own kind, names and mask.
    virtual std::string toString() const;

    const SystemTime& systemTime() const noexcept { return time_; }

    // The value formatted with the given kind, names and mask. A month or day of week that
    // the unchecked constructors let outside the tables prints as its number.
    virtual std::string format(MASK kind, const MonthNames& months, const WeekNames& weekdays,
                               std::string_view mask) const;

    // Sets the day of week from year, month and day (Sunday = 0).
    void updateDayOfWeek() noexcept;

    MASK maskKind() const noexcept { return kind_; }
    void setMaskKind(MASK kind) noexcept { kind_ = kind; }

    const std::string& formatMask() const noexcept { return mask_; }
    void setFormatMask(std::string mask) { mask_ = std::move(mask); }

    // A name containing "[" is refused (DATE_MONTH_LIST / DATE_WEEKLIST, "不正"): it could
    // bring a token into the text.
    const MonthNames& monthNames() const noexcept { return months_; }
    virtual void setMonthNames(const MonthNames& names);
    const WeekNames& weekNames() const noexcept { return weekdays_; }
    virtual void setWeekNames(const WeekNames& names);

    std::uint16_t year() const noexcept { return time_.wYear; }
    virtual void setYear(std::uint16_t year); // recomputes the day of week
    std::uint16_t month() const noexcept { return time_.wMonth; }
    virtual void setMonth(int month); // 1 to 12 (DATE_MONTH), recomputes the day of week
    std::uint16_t day() const noexcept { return time_.wDay; }
    virtual void setDay(int day); // 1 to 31 (DATE_DAY), recomputes the day of week
    std::uint16_t dayOfWeek() const noexcept { return time_.wDayOfWeek; }
    // The name of weekday 0 to 6 (DATE_WEEK_NAME otherwise).
    const std::string& weekName(int index) const;
    std::uint16_t hour() const noexcept { return time_.wHour; }
    virtual void setHour(int hour); // 0 to 23 (DATE_HOUR)
    std::uint16_t minute() const noexcept { return time_.wMinute; }
    virtual void setMinute(int minute); // 0 to 59 (DATE_MINUTE)
    std::uint16_t second() const noexcept { return time_.wSecond; }
    virtual void setSecond(int second); // 0 to 59 (DATE_SECOND)
    std::uint16_t milliseconds() const noexcept { return time_.wMilliseconds; }
    virtual void setMilliseconds(std::uint16_t milliseconds); // unchecked

    // The same kind and the same record; names and mask are not compared.
    bool operator==(const DateTime& other) const noexcept;

protected:
    // For kinds of date-time with their own text form.
    DateTime(const SystemTime& time, std::string_view mask, const MonthNames& months);

private:
    SystemTime time_;
    MASK kind_ = MASK::ALL;
    std::string mask_;
    MonthNames months_;
    WeekNames weekdays_;
};

DateTime::MASK operator|(DateTime::MASK left, DateTime::MASK right) noexcept;
DateTime::MASK operator&(DateTime::MASK left, DateTime::MASK right) noexcept;

// The time stamp of a throwable: "[YYYY]/[M]/[DD] [hh]:[mm]:[ss].[MS]" with two-digit months.
class ThrowableTime : public DateTime {
public:
    static constexpr std::string_view Mask = "[YYYY]/[M]/[DD] [hh]:[mm]:[ss].[MS]";

    explicit ThrowableTime(std::int64_t milliseconds);
};

} // namespace tavrin::system
