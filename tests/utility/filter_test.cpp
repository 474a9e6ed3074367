#include <gtest/gtest.h>

#include "utility/filter.h"

namespace tavrin::utility {
namespace {

using namespace std::string_literals;

TEST(DialogFilter, PairsShownTextsWithPatternsAndEndsWithTwoZeros) {
    EXPECT_EQ(dialogFilter({{L"all", L"*"}}), L"all\0*\0\0"s);
    EXPECT_EQ(
        dialogFilter({{L"テキスト", L"*.txt;*.log", L"実行ファイル", L"*.exe"}, {L"all", L"*"}}),
        L"テキスト\0*.txt;*.log\0実行ファイル\0*.exe\0all\0*\0\0"s);
}

TEST(DialogFilter, KeepsThePairsAlignedAfterAnUnpairedString) {
    EXPECT_EQ(dialogFilter({{L"*"}, {L"all", L"*"}}), L"*\0*\0all\0*\0\0"s);
    EXPECT_EQ(dialogFilter({{L"テキスト", L"*.txt", L"%TEMP%"}, {L"all", L"*"}}),
              L"テキスト\0*.txt\0%TEMP%\0%TEMP%\0all\0*\0\0"s);
}

TEST(DialogFilter, IsEmptyWithoutStrings) {
    EXPECT_EQ(dialogFilter({}), L"");
    EXPECT_EQ(dialogFilter({{}, {}}), L"");
    EXPECT_EQ(dialogFilter({{}, {L"all", L"*"}}), L"all\0*\0\0"s);
}

} // namespace
} // namespace tavrin::utility
