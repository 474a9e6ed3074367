#include "file/textencoding.h"

#include <string>
#include <string_view>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace tavrin::file {
namespace {

using namespace std::string_literals;
using fixture::utf16Bytes;
using ::testing::HasSubstr;

const std::string bom = "\xEF\xBB\xBF";

struct Case {
    std::string_view name;
    std::string bytes;
    std::string text; // when the bytes are text
    // Where the first bad sequence is, when they are not: line 0 means they are text.
    std::size_t line = 0;
    std::size_t offset = 0;
    std::string_view reason = {};
};

TEST(DecodeTextTest, TextIsUtf8WithoutTheMarkAndAnythingElseNamesItsFirstFault) {
    const std::u16string japanese = u";設定\r\nName\\メモ帳🎉\n";
    const std::string japaneseUtf8 = ";設定\r\nName\\メモ帳🎉\n";
    const Case cases[] = {
        {"empty", "", ""},
        {"UTF-8 without mark", "A:1\r\nName\\設定\n", "A:1\r\nName\\設定\n"},
        {"UTF-8 with mark", bom + "Name\\設定", "Name\\設定"},
        {"UTF-8 at the edges of each length and around the surrogates",
         "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80"
         "\xF4\x8F\xBF\xBF",
         "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80"
         "\xF4\x8F\xBF\xBF"},
        {"UTF-16 LE, Japanese and a surrogate pair", utf16Bytes(japanese, false), japaneseUtf8},
        {"UTF-16 BE, Japanese and a surrogate pair", utf16Bytes(japanese, true), japaneseUtf8},
        {"UTF-16 mark alone", utf16Bytes(u"", false), ""},

        {"overlong two bytes", "A:1\r\nB\\\xC0\xAF", "", 2, 7, "overlong"},
        {"overlong three bytes after the mark", bom + "A:1\nB\\\xE0\x9F\xBF", "", 2, 9, "overlong"},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", "", 1, 0, "overlong"},
        {"surrogate after lone CRs", "x\r\ry\n\xED\xA0\x80", "", 4, 5, "surrogate"},
        {"beyond U+10FFFF", "設定\xF4\x90\x80\x80", "", 1, 6, "U+10FFFF"},
        {"byte above F4", "A\r\n\xF5\x80\x80\x80", "", 2, 3, "F4"},
        {"continuation without lead", "ab\x80", "", 1, 2, "continuation"},
        {"cut short by the end", "a\r\nA\\\xE8\xA8", "", 2, 5, "cut short"},
        {"cut short by the next character",
         "\xE8\xA8"
         "A",
         "", 1, 0, "cut short"},
        {"NUL byte", "A:1\r\n\0B:2"s, "", 2, 5, "NUL"},

        {"UTF-16 lone high surrogate",
         utf16Bytes(u"A\n\xD800"
                    "B",
                    false),
         "", 2, 6, "surrogate"},
        {"UTF-16 BE lone low surrogate", utf16Bytes(u"\xDC00", true), "", 1, 2, "surrogate"},
        {"UTF-16 high surrogate at the end", utf16Bytes(u"ab\xD800", false), "", 1, 6, "surrogate"},
        {"UTF-16 odd number of bytes", utf16Bytes(u"A\r\nB", false) + "C", "", 2, 10, "odd"},
        {"UTF-32 LE mark", "\xFF\xFE\0\0A\0\0\0"s, "", 1, 2, "NUL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedText decoded = decodeText(c.bytes);
        if (c.line == 0) {
            EXPECT_FALSE(decoded.fault.has_value());
            EXPECT_EQ(decoded.text, c.text);
            continue;
        }
        ASSERT_TRUE(decoded.fault.has_value());
        EXPECT_EQ(decoded.fault->line, c.line);
        EXPECT_EQ(decoded.fault->offset, c.offset);
        EXPECT_THAT(std::string(decoded.fault->reason), HasSubstr(c.reason));
        EXPECT_EQ(decoded.text, "");
    }
}

} // namespace
} // namespace tavrin::file
