#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "system/tavrinerrors.h"

namespace tavrin::system {
namespace {

TEST(Code, NamesEveryMemberAndRefusesValuesOutsideTheList) {
    EXPECT_EQ(codeName(0), "NONE");
    EXPECT_EQ(codeName(4), "TAVRIN_MYPATH");
    EXPECT_EQ(codeName(16), "DATE_MONTH");
    EXPECT_EQ(codeName(31), "PROCCESS");
    EXPECT_EQ(codeName(34), "GUI_CREATE");
    EXPECT_EQ(static_cast<int>(CODE::FILE_EXECUTE_FOLDER), 25);
    EXPECT_EQ(codeName(35), "There is no corresponding enum member name in CODE");
    EXPECT_EQ(codeName(-1), "There is no corresponding enum member name in CODE");
}

TEST(TavrinThrowable, TextIsFileLineMessageAndDecimalCode) {
    const int line = __LINE__ + 1;
    const TavrinException exception("月の値が不正(13)", CODE::DATE_MONTH);
    EXPECT_EQ(exception.toString(), std::string(std::source_location::current().file_name()) + "(" +
                                        std::to_string(line) + ") 月の値が不正(13)[16]");
    EXPECT_STREQ(exception.what(), "月の値が不正(13)");
    EXPECT_EQ(exception.Code(), CODE::DATE_MONTH);

    const TavrinError error("壊れた");
    EXPECT_EQ(error.Code(), CODE::NONE);
    EXPECT_TRUE(error.toString().ends_with(") 壊れた[0]"));
    EXPECT_EQ(error.toString().find('\n'), std::string::npos);
}

TEST(TavrinThrowable, ChainedCausesFollowEachAfterOneLineFeed) {
    const auto bottom = std::make_shared<std::runtime_error>("open failed");
    const auto middle = std::make_shared<TavrinException>("ファイル実行例外", CODE::FILE, bottom);
    const TavrinException top("アイテム(a)実行例外", CODE::ITEM, middle);

    const std::string text = top.toString();
    std::vector<std::string> lines;
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find('\n', from);
        lines.push_back(text.substr(from, end - from));
        if (end == std::string::npos) {
            break;
        }
        from = end + 1;
    }
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].ends_with(") アイテム(a)実行例外[5]"));
    EXPECT_TRUE(lines[1].ends_with(") ファイル実行例外[22]"));
    EXPECT_EQ(lines[2], "open failed");
    EXPECT_EQ(throwableText(top), text);
    EXPECT_EQ(throwableText(*bottom), "open failed");
}

} // namespace
} // namespace tavrin::system
