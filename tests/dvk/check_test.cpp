#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "dvktest.h"

namespace dvk::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

using Check = DvkTest;

TEST_F(Check, GoodFileSaysOk) {
    const std::string file = write("good.dvk", std::string(BOM) + ";head\r\n\r\nA:1\r\n");
    const Outcome result = run({"check", file});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, file + ": ok\n");
    EXPECT_THAT(result.err, IsEmpty());
}

TEST_F(Check, ListsEveryDroppedLineWithItsReasonAndLineNumber) {
    // The mark is no line; the header and its empty line are lines 1 and 2.
    const std::string file =
        write("bad.dvk", std::string(BOM) + ";head\r\n\r\nA:1\r\nL=\t1\r\nN:x\r\n"
                                            "a;b:1\r\nnonsense\r\n;c\r\nB\\ok\r\n");
    const Outcome result = run({"check", file});
    EXPECT_EQ(result.exitCode, 1);
    const auto lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 4u) << result.out;
    EXPECT_EQ(lines[0], file + ":4: TSV変換不可(\t1): L=\t1");
    EXPECT_THAT(lines[1], StartsWith(file + ":5: "));
    EXPECT_THAT(lines[1], HasSubstr(": N:x"));
    EXPECT_EQ(lines[2], file + ":6: ツリー名の不正：a;b: a;b:1");
    EXPECT_EQ(lines[3], file + ":7: not a value line: nonsense");
}

// What a save writes for an empty list passes; a broken address before the mark does not.
TEST_F(Check, AnEmptyListAsASaveWritesItPasses) {
    const struct {
        const char* line;
        bool passes;
    } rows[] = {{"L$", true},   {"Item/a/Tags$", true}, {"Item//a$", false},
                {"/a$", false}, {"$", false},           {"a;b$", false}};
    for (const auto& row : rows) {
        const std::string file = write("list.dvk", std::string("A:1\r\n") + row.line + "\r\n");
        EXPECT_EQ(run({"check", file}).exitCode, row.passes ? 0 : 1) << row.line;
    }
}

TEST_F(Check, GoesOnAfterAFileThatCannotBeRead) {
    const std::string good = write("good.dvk", "A:1\n");
    const std::string bad = write("bad.dvk", "A:1\nB:99999999999\n");
    const std::string missing = path("missing.dvk");
    const Outcome result = run({"check", missing, good, bad});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr("missing.dvk"));
    EXPECT_THAT(linesOf(result.out), ElementsAre(good + ": ok", StartsWith(bad + ":2: ")));
}

TEST_F(Check, NamesWhereAFileStopsBeingTextAndGoesOn) {
    const std::string bad = write("bad.dvk", "A:1\r\nB\\\xC0\xAF\r\n");
    const std::string good = write("good.dvk", "A:1\n");
    const Outcome result = run({"check", bad, good});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr(bad));
    EXPECT_THAT(result.err, HasSubstr("line 2, byte offset 7: invalid UTF-8 (overlong form)"));
    EXPECT_THAT(linesOf(result.out), ElementsAre(good + ": ok"));
}

TEST_F(Check, LongLinesAreShortenedOnACharacterBoundary) {
    std::string kana;
    for (int i = 0; i < 1000; ++i) {
        kana += "\xE3\x81\x82"; // one three-byte character
    }
    const std::string file = write("long.dvk", kana + "\n" + std::string(100000, 'x') + "\n");
    const Outcome result = run({"check", file});
    EXPECT_EQ(result.exitCode, 1);
    const auto lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 2u);
    const std::string prefix = file + ":1: not a value line: ";
    ASSERT_THAT(lines[0], StartsWith(prefix));
    const std::string shown = lines[0].substr(prefix.size());
    ASSERT_TRUE(shown.ends_with("..."));
    EXPECT_LT(shown.size(), 300u);
    EXPECT_EQ((shown.size() - 3) % 3, 0u) << "a character was split";
    EXPECT_EQ(kana.compare(0, shown.size() - 3, shown, 0, shown.size() - 3), 0);
    EXPECT_LT(lines[1].size(), 300u);
}

} // namespace
} // namespace dvk::test
