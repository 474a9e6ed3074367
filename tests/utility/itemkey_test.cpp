#include <gtest/gtest.h>

#include "convertraised.h"
#include "utility/itemkey.h"

namespace tavrin::utility {
namespace {

TEST(ToItemKey, IsTheFirstLetterInUpperCase) {
    EXPECT_EQ(toItemKey("notepad"), L'N');
    EXPECT_EQ(toItemKey("Editor"), L'E');
    EXPECT_EQ(toItemKey("7zip"), L'Z');
    EXPECT_EQ(toItemKey("  -- 42 x"), L'X');
}

TEST(ToItemKey, TakesLettersOfAnyScript) {
    EXPECT_EQ(toItemKey("éclair"), L'É');
    EXPECT_EQ(toItemKey("123ω"), L'Ω');
    EXPECT_EQ(toItemKey("「メモ帳」"), L'メ');
}

TEST(ToItemKey, RefusesTextWithoutALetter) {
    EXPECT_EQ(convertMessage([] { toItemKey(""); }), "キーの元となる文字列が未入力");
    EXPECT_EQ(convertMessage([] { toItemKey("123"); }), "123には変換可能文字無し");
    EXPECT_EQ(convertMessage([] { toItemKey("１２３！"); }), "１２３！には変換可能文字無し");
}

} // namespace
} // namespace tavrin::utility
