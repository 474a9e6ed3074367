#include "file/datafile.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "etc/drevak/drevakexception.h"

namespace tavrin::file {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string bom = "\xEF\xBB\xBF";

drevak::DvkDocument documentOf(const std::vector<std::string>& lines) {
    return drevak::DvkDocument(std::span<const std::string>(lines));
}

std::string noLinesTextOf(std::string_view bytes) {
    try {
        parseDocumentFile(bytes, "app.dvk");
    } catch (const drevak::DrevakException& error) {
        return error.text();
    }
    return "no exception";
}

TEST(SplitLinesTest, EveryKindOfLineEndEndsOneLine) {
    EXPECT_THAT(splitLines("a\r\nb\rc\nd"), ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(splitLines("a\r\n"), ElementsAre("a"));
    EXPECT_THAT(splitLines("a\n\r"), ElementsAre("a", ""));
    EXPECT_THAT(splitLines("\r\r\n\n"), ElementsAre("", "", ""));
    EXPECT_THAT(splitLines("\r\n"), ElementsAre(""));
}

TEST(SplitLinesTest, TextIsNotDecodedAndTheLastLineNeedsNoEnd) {
    EXPECT_THAT(splitLines(""), IsEmpty());
    EXPECT_THAT(splitLines("設定\xFF\rx"), ElementsAre("設定\xFF", "x"));
    EXPECT_THAT(splitLines(std::string("a\0b", 3)), ElementsAre(std::string("a\0b", 3)));
}

TEST(SplitLinesTest, AMillionShortLines) {
    std::string text;
    for (int i = 0; i < 250000; ++i) {
        text += "a\nbb\r\nc\r\r\n";
    }
    const auto lines = splitLines(text);
    ASSERT_EQ(lines.size(), 1000000u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "bb");
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[999999], "");
}

TEST(DocumentFileBytesTest, MarkThenTheDocumentText) {
    EXPECT_EQ(documentFileBytes(drevak::DvkDocument()), bom);

    const auto document = documentOf({";head", "", "Name\\設定", "List$a\tb"});
    const std::string bytes = documentFileBytes(document);
    EXPECT_EQ(bytes, bom + document.toString());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
}

TEST(ParseDocumentFileTest, MarkAndLineEndsDoNotChangeTheDocument) {
    const std::string expected =
        documentOf({";head", "", "A:1", "Name\\設定", "List$a\tb"}).toString();

    EXPECT_EQ(parseDocumentFile(bom + ";head\r\n\r\nA:1\r\nName\\設定\r\nList$a\tb\r\n", "app.dvk")
                  .toString(),
              expected);
    EXPECT_EQ(parseDocumentFile(";head\n\nA:1\nName\\設定\nList$a\tb\n", "app.dvk").toString(),
              expected);
    EXPECT_EQ(parseDocumentFile(";head\r\rA:1\rName\\設定\rList$a\tb\r", "app.dvk").toString(),
              expected);
    EXPECT_EQ(
        parseDocumentFile(bom + ";head\n\nA:1\r\nName\\設定\rList$a\tb", "app.dvk").toString(),
        expected);
}

TEST(ParseDocumentFileTest, LastLineWithoutEndIsRead) {
    const auto document = parseDocumentFile("A:1\r\nName\\x", "app.dvk");
    EXPECT_EQ(document.GetChild("Name").GetString(), "x");
}

TEST(ParseDocumentFileTest, OnlyOneLeadingMarkIsTakenAway) {
    // A second mark belongs to the first line, which then names no node "A".
    const auto document = parseDocumentFile(bom + bom + "A:1\r\nB:2\r\n", "app.dvk");
    EXPECT_FALSE(document.HaveChild("A"));
    EXPECT_EQ(document.GetChild("B").GetInteger(), 2);
}

TEST(ParseDocumentFileTest, NoLinesIsRefused) {
    EXPECT_EQ(noLinesTextOf(""), "いやいや、むりむり");
    EXPECT_EQ(noLinesTextOf(bom), "いやいや、むりむり");
    std::vector<DroppedLine> dropped;
    EXPECT_THROW(parseDocumentFile(bom, "app.dvk", &dropped), drevak::DrevakException);
}

TEST(ParseDocumentFileTest, TheLinesADocumentDoesNotHoldAreNamedInFileOrder) {
    const std::string text = ";head\r\n\r\nA:1\r\nno value here\r\n;why\r\nB:x\r\n\r\n"
                             "Name\\ok\r\n   \r\nItem/cmd/Tags$\r\nC:2\r\n";
    std::vector<DroppedLine> dropped;
    const drevak::DvkDocument read = parseDocumentFile(text, "app.dvk", &dropped);
    EXPECT_EQ(read.toString(), parseDocumentFile(text, "app.dvk").toString());
    EXPECT_EQ(read.toString(), ";head\r\n\r\nA:1\r\nC:2\r\nName\\ok\r\n");
    std::vector<std::pair<std::size_t, std::string>> named;
    for (const DroppedLine& line : dropped) {
        named.emplace_back(line.lineNumber, line.line);
    }
    EXPECT_THAT(named, ElementsAre(std::pair<std::size_t, std::string>{4, "no value here"},
                                   std::pair<std::size_t, std::string>{6, "B:x"}));
    EXPECT_EQ(dropped.front().reason, "not a value line");
}

} // namespace
} // namespace tavrin::file
