#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "testwindow.h"
#include "tvgui/control/datetimepicker.h"

#include <commctrl.h>

namespace tavrin::tvgui {
namespace {

// The parts of a time one kind of picker is about.
struct Parts {
    bool date;
    bool time;
};

// The parts not shown read as zero.
std::array<WORD, 6> partsOf(const SYSTEMTIME& time, Parts parts) {
    const auto date = [&](WORD part) { return parts.date ? part : WORD{0}; };
    const auto clock = [&](WORD part) { return parts.time ? part : WORD{0}; };
    return {date(time.wYear),  date(time.wMonth),   date(time.wDay),
            clock(time.wHour), clock(time.wMinute), clock(time.wSecond)};
}

// Each kind of picker carries its format style, keeps the time it is given in the parts it
// shows, and refuses a day that does not exist without losing the time it holds.
TEST(DateTimePickerTest, EachKindKeepsThePartsItShowsAndRefusesNoSuchDay) {
    struct Case {
        std::string name;
        std::function<std::unique_ptr<DateTimePicker>(TvGui&)> make;
        LONG_PTR format;
        Parts parts;
    };
    const Case cases[] = {
        {"date and time",
         [](TvGui& owner) { return std::make_unique<DateTimePicker>(ITEM_ID{1}, owner); },
         DTS_SHORTDATEFORMAT,
         {true, true}},
        {"date",
         [](TvGui& owner) { return std::make_unique<DatePicker>(ITEM_ID{2}, owner); },
         DTS_SHORTDATECENTURYFORMAT,
         {true, false}},
        {"time",
         [](TvGui& owner) { return std::make_unique<TimePicker>(ITEM_ID{3}, owner); },
         DTS_TIMEFORMAT,
         {false, true}},
    };
    const SYSTEMTIME asked{2026, 12, 1, 7, 13, 45, 10, 0};
    SYSTEMTIME noSuchDay = asked;
    noSuchDay.wMonth = 2;
    noSuchDay.wDay = 30;
    test::RecordingWindow window;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<DateTimePicker> picker = c.make(window);
        EXPECT_EQ(GetWindowLongPtrW(picker->hwnd(), GWL_STYLE) & 0xF, c.format);
        ASSERT_TRUE(picker->pick(asked));
        std::optional<SYSTEMTIME> picked = picker->picked();
        ASSERT_TRUE(picked.has_value());
        EXPECT_EQ(partsOf(*picked, c.parts), partsOf(asked, c.parts));

        EXPECT_FALSE(picker->pick(noSuchDay));
        picked = picker->picked();
        ASSERT_TRUE(picked.has_value());
        EXPECT_EQ(partsOf(*picked, c.parts), partsOf(asked, c.parts));
    }
}

// A format given in UTF-8 reaches the control and is what it shows.
TEST(DateTimePickerTest, AFormatOfItsOwnIsShown) {
    test::RecordingWindow window;
    DatePicker picker(ITEM_ID{1}, window);
    picker.pick(SYSTEMTIME{2026, 12, 1, 7, 13, 45, 10, 0});
    ASSERT_TRUE(picker.setFormat("yyyy'年'MM'月'dd'日'"));
    EXPECT_EQ(picker.text(), "2026年12月07日");
}

} // namespace
} // namespace tavrin::tvgui
