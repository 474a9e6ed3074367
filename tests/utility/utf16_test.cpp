#include <gtest/gtest.h>

#include "utility/utf16.h"

namespace tavrin::utility {
namespace {

TEST(Utf16FromUtf8, DecodesEveryLength) {
    EXPECT_EQ(utf16FromUtf8(""), u"");
    EXPECT_EQ(utf16FromUtf8("abc"), u"abc");
    EXPECT_EQ(utf16FromUtf8("é"), u"é");
    EXPECT_EQ(utf16FromUtf8("エディタ"), u"エディタ");
    EXPECT_EQ(utf16FromUtf8("a😀b"), u"a\xD83D\xDE00"
                                    u"b");
}

TEST(Utf16FromUtf8, ReplacesEachBrokenSequenceAndGoesOn) {
    // A lone continuation byte, a truncated sequence, an overlong "/", an encoded
    // surrogate and a point beyond U+10FFFF.
    EXPECT_EQ(utf16FromUtf8("a\x80"
                            "b"),
              u"a\xFFFD"
              u"b");
    EXPECT_EQ(utf16FromUtf8("a\xE3\x82"), u"a\xFFFD\xFFFD");
    EXPECT_EQ(utf16FromUtf8("\xC0\xAF"), u"\xFFFD\xFFFD");
    EXPECT_EQ(utf16FromUtf8("\xED\xA0\x80"), u"\xFFFD\xFFFD\xFFFD");
    EXPECT_EQ(utf16FromUtf8("\xF4\x90\x80\x80"), u"\xFFFD\xFFFD\xFFFD\xFFFD");
    EXPECT_EQ(utf16FromUtf8("\xFF"
                            "x"),
              u"\xFFFD"
              u"x");
}

TEST(AppendUtf16, KeepsWhatTheBufferHeld) {
    std::u16string buffer = u"前";
    appendUtf16(buffer, "後");
    EXPECT_EQ(buffer, u"前後");
}

} // namespace
} // namespace tavrin::utility
