#include "file/items/itemdatetime.h"

#include <string>

#include <gtest/gtest.h>

#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using system::CODE;

// The code of the ItemException that parsing the text raises; NONE when it parses.
CODE refusal(const std::string& text) {
    try {
        (void)ItemDateTime(text);
        return CODE::NONE;
    } catch (const system::ItemException& refused) {
        return refused.Code();
    }
}

TEST(ItemDateTimeTest, AHistoryTextParsesAndFormatsBackTheSame) {
    const ItemDateTime time("2009/09/12 17:03:13");
    EXPECT_EQ(time.year(), 2009);
    EXPECT_EQ(time.month(), 9);
    EXPECT_EQ(time.day(), 12);
    EXPECT_EQ(time.hour(), 17);
    EXPECT_EQ(time.minute(), 3);
    EXPECT_EQ(time.second(), 13);
    EXPECT_EQ(time.milliseconds(), 0);
    EXPECT_EQ(time.dayOfWeek(), 6); // a Saturday
    EXPECT_EQ(time.toString(), "2009/09/12 17:03:13");
    EXPECT_EQ(ItemDateTime("0001/01/01 00:00:00").toString(), "0001/01/01 00:00:00");
    EXPECT_EQ(ItemDateTime("9999/12/31 23:59:59").toString(), "9999/12/31 23:59:59");
}

TEST(ItemDateTimeTest, ARecordFormatsWithFourDigitYearAndTwoDigitFields) {
    const ItemDateTime time(system::SystemTime{987, 1, 0, 2, 3, 4, 5, 678});
    EXPECT_EQ(time.toString(), "0987/01/02 03:04:05");
}

TEST(ItemDateTimeTest, TextsOfAnotherLengthAreRefused) {
    EXPECT_EQ(refusal("2009/09/12 17:03"), CODE::ITEM_DATE_LENGTH);
    EXPECT_EQ(refusal(""), CODE::ITEM_DATE_LENGTH);
    EXPECT_EQ(refusal("2009/09/12 17:03:13 "), CODE::ITEM_DATE_LENGTH);
    EXPECT_EQ(refusal("2009/09/12 17:03:1"), CODE::ITEM_DATE_LENGTH);
}

TEST(ItemDateTimeTest, TextsThatDoNotSplitIntoThreeAndThreeFieldsAreRefused) {
    EXPECT_EQ(refusal("2009/09/12T17:03:13"), CODE::ITEM_DATE_SPLIT);
    EXPECT_EQ(refusal("2009/09/12 17 03:13"), CODE::ITEM_DATE_SPLIT);
    EXPECT_EQ(refusal("2009/09/1217:03:13:"), CODE::ITEM_DATE_SPLIT);
    EXPECT_EQ(refusal("2009/09:12 17:03:13"), CODE::ITEM_DATE_SPLIT);
    EXPECT_EQ(refusal("2009/09/12/1 17:031"), CODE::ITEM_DATE_SPLIT);
}

TEST(ItemDateTimeTest, FieldsOutOfTheirRangeAreRefused) {
    EXPECT_EQ(refusal("2009/13/12 17:03:13"), CODE::ITEM_DATE_INFO);
    EXPECT_EQ(refusal("2009/00/12 17:03:13"), CODE::ITEM_DATE_INFO);
    EXPECT_EQ(refusal("0000/09/12 17:03:13"), CODE::ITEM_DATE_INFO);
    EXPECT_EQ(refusal("2009/09/32 17:03:13"), CODE::ITEM_DATE_INFO);
    EXPECT_EQ(refusal("2009/09/00 17:03:13"), CODE::ITEM_DATE_INFO);
    EXPECT_EQ(refusal("2009/09/12 24:03:13"), CODE::ITEM_DATE_INFO);
    EXPECT_EQ(refusal("2009/09/12 17:60:13"), CODE::ITEM_DATE_INFO);
    EXPECT_EQ(refusal("2009/09/12 17:03:60"), CODE::ITEM_DATE_INFO);
    // Short fields leave room for a long one.
    EXPECT_EQ(refusal("999999999/1/1 1:1:1"), CODE::ITEM_DATE_INFO);
    EXPECT_EQ(refusal("2009/9/1 1:1:999999"), CODE::ITEM_DATE_INFO);
}

TEST(ItemDateTimeTest, FieldsThatAreNoDecimalNumbersAreRefused) {
    EXPECT_EQ(refusal("2009/+9/12 17:03:13"), CODE::ITEM_DATE);
    EXPECT_EQ(refusal("2009/-9/12 17:03:13"), CODE::ITEM_DATE);
    EXPECT_EQ(refusal("2009/0x/12 17:03:13"), CODE::ITEM_DATE);
    EXPECT_EQ(refusal("2009/09/12 17:03:1a"), CODE::ITEM_DATE);
    EXPECT_EQ(refusal("2009//912 17:03:13"), CODE::ITEM_DATE_LENGTH);
    EXPECT_EQ(refusal("2009//0912 17:03:13"), CODE::ITEM_DATE);
}

TEST(ItemDateTimeTest, RefusalsCarryTheirMessages) {
    for (const auto& [text, message] : {
             std::pair<std::string, std::string>{"2009", "内部保持用日時情報長が不正"},
             {"2009/09/12T17:03:13", "日時情報分割数が不正。"},
             {"2009/13/12 17:03:13", "日時情報がへんてこりん"},
             {"2009/ab/12 17:03:13", "日時情報変換時に例外"},
         }) {
        try {
            (void)ItemDateTime(text);
            ADD_FAILURE() << text;
        } catch (const system::ItemException& refused) {
            EXPECT_EQ(refused.message(), message) << text;
        }
    }
}

TEST(ItemDateTimeTest, AYearOfTenThousandOrMoreIsRefusedAndLeavesTheYear) {
    ItemDateTime time("2009/09/12 17:03:13");
    time.setYear(9999);
    EXPECT_EQ(time.year(), 9999);
    try {
        time.setYear(10000);
        ADD_FAILURE() << "took year 10000";
    } catch (const system::ItemException& refused) {
        EXPECT_EQ(refused.Code(), CODE::ITEM_DATE);
        EXPECT_EQ(refused.message(), "年情報が不正");
    }
    EXPECT_EQ(time.year(), 9999);
    // Through the base class too.
    system::DateTime& base = time;
    EXPECT_THROW(base.setYear(65535), system::ItemException);
}

TEST(ItemDateTimeTest, TheCurrentTimeFormatsAsAHistoryText) {
    const ItemDateTime now;
    const std::string text = now.toString();
    EXPECT_EQ(text.size(), 19U);
    EXPECT_EQ(ItemDateTime(text).toString(), text);
}

} // namespace
} // namespace tavrin::file
