#include "etc/drevak/dvkdocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "raisedtext.h"

namespace drevak {
namespace {

// Lines of a test text written with "\n" ends.
std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
        lines.emplace_back(text.substr(start, end - start));
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

DvkDocument documentOf(std::string_view text) {
    return DvkDocument(linesOf(text));
}

// The document text with CR LF shown as "\n", for readable expectations.
std::string textOf(const DvkDocument& document) {
    std::string text = document.toString();
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            shown += '\n';
            ++i;
        } else {
            EXPECT_NE(text[i], '\n') << "a lone LF in the written text";
            shown += text[i];
        }
    }
    return shown;
}

TEST(DocumentText, HeaderCommentThenEmptyLineThenValues) {
    DvkDocument document;
    document.Comment = "A";
    document.CreatePath(std::vector<std::string_view>{"Name"}) = std::string("x");
    EXPECT_EQ(document.toString(), ";A\r\n\r\nName\\x\r\n");
    const DvkDocument reread = documentOf(";A\n\nName\\x");
    EXPECT_EQ(reread.Comment, "A");
    EXPECT_EQ(reread.GetChild("Name").Comment, "");
}

TEST(DocumentText, CommentWithoutEmptyLineBelongsToTheValue) {
    const DvkDocument document = documentOf(";A\nName\\x");
    EXPECT_EQ(document.Comment, "");
    EXPECT_EQ(document.GetChild("Name").Comment, "A");
    EXPECT_EQ(textOf(document), ";A\nName\\x\n");
}

TEST(DocumentText, EmptyLineDetachesAComment) {
    const DvkDocument document = documentOf("x:1\n;lost\n\nName\\x");
    EXPECT_EQ(document.GetChild("Name").Comment, "");
    EXPECT_EQ(textOf(document), "Name\\x\nx:1\n");
}

TEST(DocumentText, MultiLineCommentsStayWithTheirValues) {
    const DvkDocument document = documentOf(";h1\n;h2\n\n;b1\n;b2\nb:2\n;a\na:1");
    EXPECT_EQ(document.Comment, "h1\r\nh2");
    EXPECT_EQ(document.GetChild("b").Comment, "b1\r\nb2");
    EXPECT_EQ(textOf(document), ";h1\n;h2\n\n;a\na:1\n;b1\n;b2\nb:2\n");
}

TEST(DocumentText, OnlyCommentLinesGiveAnEmptyDocument) {
    const DvkDocument document = documentOf(";a\n;b");
    EXPECT_EQ(document.Comment, "");
    EXPECT_EQ(document.ChildCount(), 0u);
    EXPECT_EQ(document.toString(), "");
}

TEST(DocumentText, LinesAreSortedByAddressThenTypeThenValue) {
    const DvkDocument document = documentOf("A/B:1\nB\\x\nA:1\nAB:1\nA/A\\z");
    EXPECT_EQ(textOf(document), "A:1\nA/A\\z\nA/B:1\nAB:1\nB\\x\n");
    const DvkDocument interleaved = documentOf("A/x:1\nA-1/y:2\nA:3\nA-1:4");
    EXPECT_EQ(textOf(interleaved), "A:3\nA-1:4\nA-1/y:2\nA/x:1\n")
        << "a sibling whose name extends another's and sorts before \"/\" comes between";
    const DvkDocument::DataBlock integer("A:1"), text("A\\1"), longer("A/B:1");
    EXPECT_LT(integer.opCmp(text), 0) << "Integer before string at one address";
    EXPECT_LT(integer.opCmp(longer), 0) << "shorter address first";
    EXPECT_GT(longer.opCmp(integer), 0);
}

TEST(DocumentText, ByteOrderOfNonAsciiNames) {
    const DvkDocument document = documentOf("名前\\x\nz:1\nZ:1");
    EXPECT_EQ(textOf(document), "Z:1\nz:1\n名前\\x\n");
}

TEST(DocumentText, EveryTypeRoundTrips) {
    const std::string text = "a:-5\n"
                             "b*0.5\n"
                             "c\\tab\\there\\\\back\\nline\n"
                             "d?0001020304050607_\n"
                             "e=1\t*\t3\n"
                             "f@1.5\t*\n"
                             "g$\\e\tx\\ty\n"
                             "h!*\tFF\n"
                             "i:*\n"
                             "j**\n"
                             "k\\\\e\n";
    const DvkDocument document = documentOf(text);
    EXPECT_EQ(textOf(document), text);
    EXPECT_EQ(document.GetChild("c").GetString(), "tab\there\\back\nline");
    EXPECT_EQ(document.GetChild("g").GetStrings(), (std::vector<std::string>{"", "x\ty"}));
    EXPECT_EQ(document.GetChild("i").GetInteger(), UNSET_INTEGER);
    EXPECT_TRUE(std::isnan(document.GetChild("j").GetReal()));
    EXPECT_EQ(document.GetChild("k").GetString(), "");
    EXPECT_EQ(document.GetChild("h").GetBinaries(), (std::vector<Binary>{{}, {0xFF}}));
}

TEST(DocumentText, NumbersAreWrittenInTheirCanonicalForm) {
    const DvkDocument document = documentOf("a:1_000\nb:1 000\nc*3.14159265\nd:+7");
    EXPECT_EQ(document.GetChild("a").GetInteger(), 1000);
    EXPECT_EQ(document.GetChild("b").GetInteger(), 1000);
    EXPECT_EQ(textOf(document), "a:1000\nb:1000\nc*3.14159\nd:7\n");
}

TEST(DocumentText, EmptyArrayIsWrittenButNotReadBack) {
    DvkDocument document;
    document.CreatePath(std::vector<std::string_view>{"List"}) = std::vector<std::string>{};
    EXPECT_EQ(document.toString(), "List$\r\n");
    const DvkDocument reread = documentOf("List$");
    EXPECT_FALSE(reread.HaveChild("List"));
}

TEST(DocumentLoad, BadValueLinesAreSkippedAndReported) {
    DvkDocument document;
    const std::vector<std::string> lines = linesOf("a:1\n"
                                                   ";why\n"
                                                   "b=\t1\n"
                                                   "c/d;e:1\n"
                                                   "f:12x\n"
                                                   "g?ABC\n"
                                                   "h?GG\n"
                                                   "i/j:99999999999\n"
                                                   "not a value line\n"
                                                   "z:2");
    const std::vector<DvkDocument::LoadFailure> failures =
        document.LoadWithReasons(true, std::vector<std::string_view>(lines.begin(), lines.end()));
    ASSERT_EQ(failures.size(), 6u);
    EXPECT_EQ(failures[0].block, ";why\r\nb=\t1");
    EXPECT_EQ(failures[0].reason, "TSV変換不可(\t1)");
    EXPECT_EQ(failures[0].lineNumber, 3u);
    EXPECT_EQ(failures[1].reason, "ツリー名の不正：d;e");
    EXPECT_EQ(failures[2].block, "f:12x");
    EXPECT_EQ(failures[3].reason, "大佐！ 「ABC」が偶数じゃありません！");
    EXPECT_EQ(failures[4].reason, "大佐！ 「GG」が不正と思われます！");
    EXPECT_EQ(failures[5].lineNumber, 8u);
    EXPECT_EQ(document.GetChild("z").GetInteger(), 2) << "reading goes on after bad lines";
    EXPECT_TRUE(document.HaveChild("i")) << "nodes made before a conversion error stay";
    EXPECT_FALSE(document.GetChild("i/j").HaveFile());
    EXPECT_FALSE(document.HaveChild("c"));
    EXPECT_EQ(document.Load(true, lines),
              (std::vector<std::string>{";why\r\nb=\t1", "c/d;e:1", "f:12x", "g?ABC", "h?GG",
                                        "i/j:99999999999"}));
}

TEST(DocumentLoad, LaterLineForTheSameAddressWins) {
    const DvkDocument document = documentOf(";first\na:1\na\\two");
    EXPECT_EQ(document.GetChild("a").GetString(), "two");
    EXPECT_EQ(document.GetChild("a").Comment, "first") << "a line without comments keeps it";
}

TEST(DocumentLoad, NoLinesIsRefused) {
    EXPECT_EQ(raisedText([] { DvkDocument(std::vector<std::string>{}); }), "いやいや、むりむり");
}

TEST(DocumentLoad, LoadWithoutResetAddsToTheDocument) {
    DvkDocument document = documentOf(";one\n\na:1");
    document.Load(false, linesOf(";two\n\nb:2"));
    EXPECT_EQ(document.Comment, "onetwo") << "appended with no separator";
    EXPECT_EQ(document.GetChild("a").GetInteger(), 1);
    document.Load(true, linesOf("c:3"));
    EXPECT_EQ(document.Comment, "");
    EXPECT_FALSE(document.HaveChild("a"));
}

TEST(DocumentLoad, DataBlockNeedsAValueLine) {
    EXPECT_EQ(raisedText([] { DvkDocument::DataBlock("List="); }), "不完全アドレス:List=");
    DvkDocument::DataBlock block("a:1");
    block.Comments = {";x", ";y"};
    EXPECT_EQ(block.toString(), ";x\r\n;y\r\na:1");
    EXPECT_TRUE(block == DvkDocument::DataBlock("a:1"));
}

// Hostile input must stay linear and must not exhaust the stack.
TEST(DocumentLoad, MegabyteLongAddressLoadsAndWritesBack) {
    std::string line;
    for (int i = 0; i < 500000; ++i) {
        line += i == 0 ? "a" : "/a";
    }
    line += ":1";
    const DvkDocument document(std::vector<std::string>{line});
    EXPECT_EQ(document.toString(), line + "\r\n");
}

TEST(DocumentLoad, MillionLinesLoad) {
    std::vector<std::string> lines;
    lines.reserve(1000000);
    for (int i = 0; i < 1000000; ++i) {
        lines.push_back("n" + std::to_string(i % 1000) + "/v" + std::to_string(i) + ":" +
                        std::to_string(i));
    }
    const DvkDocument document(lines);
    EXPECT_EQ(document.ChildCount(), 1000u);
    EXPECT_EQ(document.GetChild("n999/v999999").GetInteger(), 999999);
}

} // namespace
} // namespace drevak
