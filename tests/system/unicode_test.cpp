#include <gtest/gtest.h>

#include "system/unicode.h"

namespace tavrin::system {
namespace {

TEST(Unicode, RoundTripsJapaneseAndCharactersBeyondTheBasicPlane) {
    const std::string text = "起動\\アイテム 😀 a\tb";
    const std::wstring wide = toWide(text);
    EXPECT_EQ(wide, L"起動\\アイテム \U0001F600 a\tb");
    EXPECT_EQ(toUtf8(wide), text);
}

TEST(Unicode, KeepsEmbeddedNullsAndEmptyText) {
    EXPECT_EQ(toWide(std::string_view("a\0b", 3)), std::wstring(L"a\0b", 3));
    EXPECT_EQ(toUtf8(std::wstring_view(L"a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(toWide(""), L"");
    EXPECT_EQ(toUtf8(L""), "");
}

TEST(Unicode, ReplacesInvalidSequencesInsteadOfFailing) {
    EXPECT_EQ(toWide("a\xFF"
                     "b"),
              L"a\uFFFDb");
    EXPECT_EQ(toUtf8(std::wstring{L'a', wchar_t(0xD800), L'b'}), "a\xEF\xBF\xBD"
                                                                 "b");
}

} // namespace
} // namespace tavrin::system
