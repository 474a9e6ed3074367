#include <string>

#include <gmock/gmock.h>

#include "dvktest.h"

namespace dvk::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

class Fmt : public DvkTest {
protected:
    // Formats a file holding the given bytes and expects success.
    std::string formatted(std::string_view bytes) {
        const Outcome result = run({"fmt", write("in.dvk", bytes)});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }
};

TEST_F(Fmt, HeaderCommentIsFollowedByAnEmptyLine) {
    const std::string expected = std::string(BOM) + ";A\r\n\r\nName\\x\r\n";
    EXPECT_EQ(formatted(expected), expected);
}

TEST_F(Fmt, LineFeedOnlyInputWithoutMarkIsNormalised) {
    EXPECT_EQ(formatted(";A\n\nName\\x"), std::string(BOM) + ";A\r\n\r\nName\\x\r\n");
    EXPECT_EQ(formatted("B:1\rA:2\r\n"), std::string(BOM) + "A:2\r\nB:1\r\n");
}

TEST_F(Fmt, LinesAreSortedByAddressBytesShorterFirst) {
    EXPECT_EQ(formatted("\xE5\x90\x8D:1\nB:2\nA/B:1\nAB:1\nA:1\nZ:1\na:1\n"),
              std::string(BOM) + "A:1\r\nA/B:1\r\nAB:1\r\nB:2\r\nZ:1\r\na:1\r\n\xE5\x90\x8D:1\r\n");
}

TEST_F(Fmt, LaterLineForOneAddressWinsWhateverItsType) {
    EXPECT_EQ(formatted("A\\s\nA:1\n"), std::string(BOM) + "A:1\r\n");
    EXPECT_EQ(formatted("A:1\nA\\s\n"), std::string(BOM) + "A\\s\r\n");
}

TEST_F(Fmt, CommentsTravelWithTheirLines) {
    EXPECT_EQ(formatted("B:2\n;about A\n;second\nA:1\n"),
              std::string(BOM) + ";about A\r\n;second\r\nA:1\r\nB:2\r\n");
    // Without the empty line the first comment is no header but the comment of Name.
    EXPECT_EQ(formatted(";A\nName\\x\n"), std::string(BOM) + ";A\r\nName\\x\r\n");
    // An empty line detaches a comment, which is lost.
    EXPECT_EQ(formatted("A:1\n;lost\n\nB:2\n"), std::string(BOM) + "A:1\r\nB:2\r\n");
}

TEST_F(Fmt, ValuesAreWrittenInTheWritersForm) {
    EXPECT_EQ(formatted("N:1_000\nM:1 000\nR*3.14159265\nU:*\nE\\e\nB?0001020304050607\n"
                        "S$\\e\tx\nI=1\t-2\n"),
              std::string(BOM) + "B?0001020304050607_\r\nE\\e\r\nI=1\t-2\r\nM:1000\r\n"
                                 "N:1000\r\nR*3.14159\r\nS$\\e\tx\r\nU:*\r\n");
}

TEST_F(Fmt, BadLinesAreDroppedAndNamedOnTheErrorStream) {
    const Outcome result = run({"fmt", write("in.dvk", "A:x\nB:1\ngarbage\nC=\t1\n")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, std::string(BOM) + "B:1\r\n");
    EXPECT_THAT(result.err, HasSubstr("in.dvk:1: "));
    EXPECT_THAT(result.err, HasSubstr("in.dvk:3: not a value line: garbage"));
    EXPECT_THAT(result.err, HasSubstr("in.dvk:4: TSV変換不可(\t1): C=\t1"));
}

TEST_F(Fmt, FileWithoutLinesIsAnEmptyDocument) {
    EXPECT_EQ(formatted(""), BOM);
    EXPECT_EQ(formatted(BOM), BOM);
}

TEST_F(Fmt, FileThatIsNoTextIsRefusedWithoutOutputAndLeftAlone) {
    const std::string original = std::string(BOM) + "A:1\r\nName\\\xED\xA0\x80\r\n";
    const Outcome result = run({"fmt", write("in.dvk", original)});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.out, IsEmpty());
    EXPECT_THAT(result.err, HasSubstr("in.dvk\" as text: line 2, byte offset 13"));
    EXPECT_EQ(bytesOf("in.dvk"), original);
}

TEST_F(Fmt, MissingFileFailsWithoutOutput) {
    const Outcome result = run({"fmt", path("missing.dvk")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.out, IsEmpty());
    EXPECT_THAT(result.err, HasSubstr("missing.dvk"));
}

} // namespace
} // namespace dvk::test
