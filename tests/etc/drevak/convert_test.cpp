#include "etc/drevak/convert.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "etc/drevak/drevakexception.h"

namespace drevak {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr real INFINITY_REAL = std::numeric_limits<real>::infinity();
constexpr real NAN_REAL = std::numeric_limits<real>::quiet_NaN();

template <typename Action> std::string drevakErrorText(Action action) {
    try {
        action();
    } catch (const DrevakException& e) {
        return e.text();
    }
    return "(no DrevakException)";
}

Binary countingBytes(std::size_t count) {
    Binary bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i);
    }
    return bytes;
}

TEST(TypesTest, TypeNamesAndSortRanks) {
    const std::vector<std::pair<HAGATA, std::string_view>> names{
        {HAGATA::Integer, "Integer"}, {HAGATA::TSV_Integer, "Integer[]"},
        {HAGATA::real, "real"},       {HAGATA::TSV_real, "real[]"},
        {HAGATA::string, "string"},   {HAGATA::TSV_string, "string[]"},
        {HAGATA::Binary, "Binary"},   {HAGATA::TSV_Binary, "Binary[]"},
    };
    for (const auto& [type, name] : names) {
        EXPECT_EQ(FileToString(type), name);
    }
    const std::string_view sorted = ":*\\?=@$!";
    for (std::size_t rank = 0; rank < sorted.size(); ++rank) {
        EXPECT_EQ(typeOrder(sorted[rank]), static_cast<int>(rank)) << sorted[rank];
    }
    EXPECT_EQ(typeOrder('a'), -1);
    EXPECT_EQ(typeOrder('/'), -1);
}

TEST(ConvertNamesTest, TypeAndNameCharacters) {
    for (char c : std::string_view(":=*@\\$?!")) {
        EXPECT_TRUE(Convert::isTypeChar(c)) << c;
        EXPECT_FALSE(Convert::isNameChar(c)) << c;
    }
    for (char c : std::string_view("\r\n/;")) {
        EXPECT_FALSE(Convert::isTypeChar(c)) << int(c);
        EXPECT_FALSE(Convert::isNameChar(c)) << int(c);
    }
    for (char c : std::string_view("a Z0\t_-.#")) {
        EXPECT_TRUE(Convert::isNameChar(c)) << c;
    }
    EXPECT_TRUE(Convert::isNameChar('\xE3')); // UTF-8 bytes of Japanese names
}

TEST(ConvertNamesTest, Names) {
    EXPECT_TRUE(Convert::isName("Left"));
    EXPECT_TRUE(Convert::isName("a b\tc"));
    EXPECT_TRUE(Convert::isName("名前"));
    EXPECT_FALSE(Convert::isName(""));
    for (std::string_view bad : {"a/b", "a:b", "a;b", "a\rb", "a\nb", "a\\b", "a!", "$"}) {
        EXPECT_FALSE(Convert::isName(bad)) << bad;
    }
}

TEST(ConvertAddressesTest, AddressRule) {
    for (std::string_view good : {"a", "a/b", "名前/x y/z", "a:b", "ab;"}) {
        EXPECT_TRUE(Convert::isAddress(good)) << good;
    }
    for (std::string_view bad : {"", "/a", "a/", "a//b", ";a", "/", ";"}) {
        EXPECT_FALSE(Convert::isAddress(bad)) << bad;
    }
}

TEST(ConvertAddressesTest, SplitAddress) {
    EXPECT_THAT(Convert::splitAddress("ab"), ElementsAre("ab"));
    EXPECT_THAT(Convert::splitAddress("a/"), ElementsAre("a/")); // too short to split
    EXPECT_THAT(Convert::splitAddress("a/b"), ElementsAre("a", "b"));
    EXPECT_THAT(Convert::splitAddress("Window/Front/Left"), ElementsAre("Window", "Front", "Left"));

    std::string deep = "a";
    for (int i = 0; i < 500'000; ++i) {
        deep += "/a";
    }
    const auto components = Convert::splitAddress(deep);
    ASSERT_EQ(components.size(), 500'001u);
    EXPECT_EQ(components.front(), "a");
    EXPECT_EQ(components.back(), "a");
}

TEST(ConvertLinesTest, Comments) {
    EXPECT_TRUE(Convert::isComment(";"));
    EXPECT_TRUE(Convert::isComment(";x:1"));
    EXPECT_FALSE(Convert::isComment(""));
    EXPECT_FALSE(Convert::isComment(" ;x"));
}

TEST(ConvertLinesTest, DataLinesAccepted) {
    for (std::string_view line : {"a:1", "Window/Front/Left:100", "a;b:1", "Name\\e", "x\\x",
                                  "a:1//", "a/b::", "a b\tc:1", "名前$a\tb", "a=/:", "L=1\t2"}) {
        EXPECT_TRUE(Convert::isDataLine(line)) << line;
    }
}

TEST(ConvertLinesTest, DataLinesRejected) {
    for (std::string_view line : {"a/:1", "a//b:1", "ab", "a=", ";x:1", "", "ab:", "List=", "/a:1",
                                  ":ab", "abc", "a/b/\\x", "\ra:1", "a/b/c"}) {
        EXPECT_FALSE(Convert::isDataLine(line)) << line;
    }
}

TEST(ConvertLinesTest, SplitDataLineAtFirstTypeCharacter) {
    auto line = Convert::splitDataLine("Window/Front/Left:100");
    EXPECT_EQ(line.address, "Window/Front/Left");
    EXPECT_EQ(line.type, ':');
    EXPECT_EQ(line.value, "100");

    line = Convert::splitDataLine("a$x:y\\z/;");
    EXPECT_EQ(line.address, "a");
    EXPECT_EQ(line.type, '$');
    EXPECT_EQ(line.value, "x:y\\z/;");

    line = Convert::splitDataLine("Name\\a\\tb");
    EXPECT_EQ(line.address, "Name");
    EXPECT_EQ(line.type, '\\');
    EXPECT_EQ(line.value, "a\\tb");
}

TEST(ConvertCommentsTest, JoinAndSplit) {
    EXPECT_EQ(Convert::joinComment({";A", ";", ";B;C"}), "A\r\n\r\nB;C");
    EXPECT_EQ(Convert::joinComment({}), "");
    EXPECT_EQ(Convert::joinComment({";only"}), "only");

    EXPECT_THAT(Convert::splitComment(""), IsEmpty());
    EXPECT_THAT(Convert::splitComment("A"), ElementsAre("A"));
    EXPECT_THAT(Convert::splitComment("A\r\nB\rC\nD"), ElementsAre("A", "B", "C", "D"));
    EXPECT_THAT(Convert::splitComment("A\r\n"), ElementsAre("A", ""));
    EXPECT_THAT(Convert::splitComment("\n\r"), ElementsAre("", "", ""));
    EXPECT_THAT(Convert::splitComment("\r\n\r\n"), ElementsAre("", "", ""));

    const std::string comment = "first\r\n\r\nthird;x";
    std::vector<std::string> lines;
    for (std::string_view line : Convert::splitComment(comment)) {
        lines.push_back(";" + std::string(line));
    }
    EXPECT_EQ(Convert::joinComment(lines), comment);
}

TEST(ConvertTsvTest, RuleSplitAndCut) {
    EXPECT_TRUE(Convert::isTSV("a"));
    EXPECT_TRUE(Convert::isTSV("a\tb\tc"));
    for (std::string_view bad : {"", "\t", "\ta", "a\t", "a\t\tb"}) {
        EXPECT_FALSE(Convert::isTSV(bad)) << bad;
    }
    EXPECT_THAT(Convert::splitTSV("a"), ElementsAre("a"));
    EXPECT_THAT(Convert::splitTSV("a\tb c\t_"), ElementsAre("a", "b c", "_"));

    EXPECT_EQ(Convert::cutSplitChar("1_000"), "1000");
    EXPECT_EQ(Convert::cutSplitChar(" 1 0_0 "), "100");
    EXPECT_EQ(Convert::cutSplitChar("a\tb"), "a\tb");
    EXPECT_EQ(Convert::cutSplitChar("_ _"), "");
}

TEST(ConvertIntegerTest, ReadsWholeDecimalTexts) {
    EXPECT_EQ(Convert::toInteger("0"), 0);
    EXPECT_EQ(Convert::toInteger("42"), 42);
    EXPECT_EQ(Convert::toInteger("+5"), 5);
    EXPECT_EQ(Convert::toInteger("-17"), -17);
    EXPECT_EQ(Convert::toInteger("-0"), 0);
    EXPECT_EQ(Convert::toInteger("007"), 7);
    EXPECT_EQ(Convert::toInteger("1_000"), 1000);
    EXPECT_EQ(Convert::toInteger("1 000"), 1000);
    EXPECT_EQ(Convert::toInteger("2147483647"), std::numeric_limits<Integer>::max());
    EXPECT_EQ(Convert::toInteger("-2147483648"), UNSET_INTEGER);
    EXPECT_EQ(Convert::toInteger("*"), UNSET_INTEGER);
    EXPECT_EQ(Convert::toInteger(std::string(1'000'000, '0') + "12"), 12);
}

TEST(ConvertIntegerTest, RejectsOtherTexts) {
    for (std::string_view bad : {"", "5x", "x5", "+", "-", "+-5", "--5", "0x10", "1.0", "1e3",
                                 "\t5", "5\t", "**", "_", "\xEF\xBC\x95" /* full-width 5 */}) {
        EXPECT_THROW(Convert::toInteger(bad), std::invalid_argument) << bad;
    }
    try {
        Convert::toInteger("5x");
        ADD_FAILURE() << "5x read as a number";
    } catch (const std::invalid_argument& e) {
        EXPECT_THAT(e.what(), HasSubstr("\"5x\""));
    }
    for (std::string_view big : {"2147483648", "-2147483649", "99999999999999999999999"}) {
        EXPECT_THROW(Convert::toInteger(big), std::out_of_range) << big;
    }
    EXPECT_THROW(Convert::toInteger("99999999999999999999999x"), std::invalid_argument);
}

TEST(ConvertIntegerTest, Writes) {
    EXPECT_EQ(Convert::toString(Integer{0}), "0");
    EXPECT_EQ(Convert::toString(Integer{1000}), "1000");
    EXPECT_EQ(Convert::toString(Integer{-17}), "-17");
    EXPECT_EQ(Convert::toString(std::numeric_limits<Integer>::max()), "2147483647");
    EXPECT_EQ(Convert::toString(Integer{UNSET_INTEGER + 1}), "-2147483647");
    EXPECT_EQ(Convert::toString(UNSET_INTEGER), "*");

    std::string out = "x:";
    Convert::append(out, Integer{12});
    EXPECT_EQ(out, "x:12");
}

TEST(ConvertRealTest, WritesSixSignificantDigits) {
    EXPECT_EQ(Convert::toString(real{3.14159265L}), "3.14159");
    EXPECT_EQ(Convert::toString(real{0.5L}), "0.5");
    EXPECT_EQ(Convert::toString(real{100000.0L}), "100000");
    EXPECT_EQ(Convert::toString(real{1234567.0L}), "1.23457e+06");
    EXPECT_EQ(Convert::toString(real{-0.00001L}), "-1e-05");
    EXPECT_EQ(Convert::toString(real{0.0L}), "0");
    EXPECT_EQ(Convert::toString(real{1e4000L}), "1e+4000");
    EXPECT_EQ(Convert::toString(NAN_REAL), "*");
    EXPECT_EQ(Convert::toString(INFINITY_REAL), "inf");
    EXPECT_EQ(Convert::toString(-INFINITY_REAL), "-inf");
}

TEST(ConvertRealTest, ReadsDecimalTexts) {
    EXPECT_EQ(Convert::toReal("3.14159"), 3.14159L);
    EXPECT_EQ(Convert::toReal("+5"), 5.0L);
    EXPECT_EQ(Convert::toReal("-2.5e3"), -2500.0L);
    EXPECT_EQ(Convert::toReal("1E2"), 100.0L);
    EXPECT_EQ(Convert::toReal(".5"), 0.5L);
    EXPECT_EQ(Convert::toReal("5."), 5.0L);
    EXPECT_EQ(Convert::toReal("1_000.5"), 1000.5L);
    EXPECT_EQ(Convert::toReal("1 000"), 1000.0L);
    EXPECT_EQ(Convert::toReal("1e+4000"), 1e4000L);
    EXPECT_TRUE(std::isnan(Convert::toReal("*")));
    EXPECT_EQ(Convert::toReal("inf"), INFINITY_REAL);
    EXPECT_EQ(Convert::toReal("+INF"), INFINITY_REAL);
    EXPECT_EQ(Convert::toReal("-Infinity"), -INFINITY_REAL);
    // Underflow is read as the nearest value, zero at the end.
    EXPECT_EQ(Convert::toReal("1e-99999"), 0.0L);
    EXPECT_GT(Convert::toReal("1e-4940"), 0.0L);
}

TEST(ConvertRealTest, RejectsOtherTexts) {
    for (std::string_view bad :
         {"",  "5x", "0x1p3", "nan",     "NaN", "-nan", "\t1", "1\n", "1e", "1e+",  ".",
          "-", "e5", "1.2.3", "infinit", "in",  "infx", "1,5", "+-1", "**", "1e5.0"}) {
        EXPECT_THROW(Convert::toReal(bad), std::invalid_argument) << bad;
    }
    for (std::string_view big : {"1e99999", "-1e99999", "1e5000", "1e99999999999999999999999"}) {
        EXPECT_THROW(Convert::toReal(big), std::out_of_range) << big;
    }
}

TEST(ConvertRealTest, LongTextsReadExactly) {
    const std::string zeros(20'000, '0');
    EXPECT_EQ(Convert::toReal("1" + zeros + "e-20000"), 1.0L);
    EXPECT_EQ(Convert::toReal("0." + zeros + "25e20000"), 0.25L);
    EXPECT_EQ(Convert::toReal("-" + zeros + "3.5"), -3.5L);
    EXPECT_EQ(Convert::toReal("1e" + zeros + "5"), 100000.0L);
    EXPECT_EQ(Convert::toReal(zeros), 0.0L);
    EXPECT_TRUE(std::signbit(Convert::toReal("-" + zeros)));
    EXPECT_THROW(Convert::toReal("1" + zeros), std::out_of_range);
    EXPECT_EQ(Convert::toReal("1." + std::string(1'000'000, '3')), 4.0L / 3.0L);
    EXPECT_THROW(Convert::toReal(std::string(1'000'000, '1') + "x"), std::invalid_argument);
}

TEST(ConvertRealTest, DigitsFarBeyondTheCutStillRound) {
    if (std::numeric_limits<real>::digits != 64) {
        GTEST_SKIP() << "needs the x87 64-bit mantissa";
    }
    // Exactly half-way between 1 and the next long double: ties go to even, i.e. to 1; any
    // nonzero digit after it, however far, must round up.
    const std::string halfway =
        "1.0000000000000000000542101086242752217003726400434970855712890625";
    const real next = std::nextafter(1.0L, 2.0L);
    EXPECT_EQ(Convert::toReal(halfway), 1.0L);
    EXPECT_EQ(Convert::toReal(halfway + "1"), next);
    EXPECT_EQ(Convert::toReal(halfway + std::string(30'000, '0')), 1.0L);
    EXPECT_EQ(Convert::toReal(halfway + std::string(30'000, '0') + "1"), next);
}

TEST(ConvertStringTest, WritesEscapes) {
    EXPECT_EQ(Convert::toString(std::string_view("a\tb")), "a\\tb");
    EXPECT_EQ(Convert::toString(std::string_view("C:\\dir\\")), "C:\\\\dir\\\\");
    EXPECT_EQ(Convert::toString(std::string_view("x\r\ny")), "x\\r\\ny");
    EXPECT_EQ(Convert::toString(std::string_view("")), "\\e");
    EXPECT_EQ(Convert::toString(std::string_view("日本語 a:b/c;d")), "日本語 a:b/c;d");
    EXPECT_EQ(Convert::toString(std::string_view("1_000")), "1_000");
}

TEST(ConvertStringTest, ReadsEscapesLeftToRight) {
    EXPECT_EQ(Convert::toText("\\\\"), "\\");
    EXPECT_EQ(Convert::toText("\\t\\r\\n"), "\t\r\n");
    EXPECT_EQ(Convert::toText("\\e"), "");
    EXPECT_EQ(Convert::toText("a\\eb"), "ab");
    EXPECT_EQ(Convert::toText("\\q\\:"), "q:");
    EXPECT_EQ(Convert::toText("\\\\t"), "\\t");
    EXPECT_EQ(Convert::toText("a\\"), "a\\");
    EXPECT_EQ(Convert::toText("\\\\\\"), "\\\\");
    EXPECT_EQ(Convert::toText("1 000_"), "1 000_");
}

TEST(ConvertBinaryTest, WritesGroupsOfEightBytes) {
    EXPECT_EQ(Convert::toString(Binary{}), "*");
    EXPECT_EQ(Convert::toString(Binary{0xAB, 0x0F, 0xFF}), "AB0FFF");
    EXPECT_EQ(Convert::toString(countingBytes(8)), "0001020304050607_");
    EXPECT_EQ(Convert::toString(countingBytes(16)), "0001020304050607_08090A0B0C0D0E0F ");
    EXPECT_EQ(Convert::toString(countingBytes(17)), "0001020304050607_08090A0B0C0D0E0F 10");
    EXPECT_EQ(Convert::toString(countingBytes(24)),
              "0001020304050607_08090A0B0C0D0E0F 1011121314151617_");
    const std::string thirtyTwo = Convert::toString(countingBytes(32));
    EXPECT_EQ(thirtyTwo.size(), 68u);
    EXPECT_EQ(thirtyTwo.back(), ' ');
}

TEST(ConvertBinaryTest, Reads) {
    EXPECT_THAT(Convert::toBinary("*"), IsEmpty());
    EXPECT_THAT(Convert::toBinary("abCD09"), ElementsAre(0xAB, 0xCD, 0x09));
    EXPECT_EQ(Convert::toBinary("0001020304050607_"), countingBytes(8));
    EXPECT_EQ(Convert::toBinary("0001020304050607_08090A0B0C0D0E0F "), countingBytes(16));
    EXPECT_EQ(Convert::toBinary("00 01_02"), countingBytes(3));
}

TEST(ConvertBinaryTest, ErrorTexts) {
    EXPECT_EQ(drevakErrorText([] { Convert::toBinary("ABC"); }),
              "大佐！ 「ABC」が偶数じゃありません！");
    EXPECT_EQ(drevakErrorText([] { Convert::toBinary("AB_C"); }),
              "大佐！ 「ABC」が偶数じゃありません！");
    EXPECT_EQ(drevakErrorText([] { Convert::toBinary("ABXZ"); }),
              "大佐！ 「XZ」が不正と思われます！");
    EXPECT_EQ(drevakErrorText([] { Convert::toBinary("0G"); }),
              "大佐！ 「0G」が不正と思われます！");
    EXPECT_EQ(drevakErrorText([] { Convert::toBinary("+1"); }),
              "大佐！ 「+1」が不正と思われます！");
}

TEST(ConvertArrayTest, WritesElementsJoinedByTab) {
    EXPECT_EQ(Convert::toString(std::vector<Integer>{1, -2, UNSET_INTEGER}), "1\t-2\t*");
    EXPECT_EQ(Convert::toString(std::vector<Integer>{}), "");
    EXPECT_EQ(Convert::toString(std::vector<real>{0.5L, NAN_REAL, 1234567.0L}),
              "0.5\t*\t1.23457e+06");
    EXPECT_EQ(Convert::toString(std::vector<std::string>{"", "a\tb", "c"}), "\\e\ta\\tb\tc");
    EXPECT_EQ(Convert::toString(std::vector<Binary>{{}, {1}, countingBytes(8)}),
              "*\t01\t0001020304050607_");
    EXPECT_EQ(Convert::toString(std::vector<std::string>{}), "");
}

TEST(ConvertArrayTest, ReadsEachElementAsItsScalar) {
    EXPECT_THAT(Convert::toIntegers("1_000\t1 000\t*\t+5"),
                ElementsAre(1000, 1000, UNSET_INTEGER, 5));
    const auto reals = Convert::toReals("0.5\t*\t1 0");
    ASSERT_EQ(reals.size(), 3u);
    EXPECT_EQ(reals[0], 0.5L);
    EXPECT_TRUE(std::isnan(reals[1]));
    EXPECT_EQ(reals[2], 10.0L);
    EXPECT_THAT(Convert::toTexts("\\e\tb"), ElementsAre("", "b"));
    EXPECT_THAT(Convert::toTexts("a b_c\t\\\\"), ElementsAre("a b_c", "\\"));
    EXPECT_THAT(Convert::toBinaries("0001020304050607_\t*\t0 1"),
                ElementsAre(countingBytes(8), Binary{}, Binary{0x01}));
}

TEST(ConvertArrayTest, ErrorTexts) {
    EXPECT_EQ(drevakErrorText([] { Convert::toIntegers("\t1"); }), "TSV変換不可(\t1)");
    EXPECT_EQ(drevakErrorText([] { Convert::toReals("1\t"); }), "TSV変換不可(1\t)");
    EXPECT_EQ(drevakErrorText([] { Convert::toTexts("a\t\tb"); }), "TSV変換不可(a\t\tb)");
    EXPECT_EQ(drevakErrorText([] { Convert::toBinaries(""); }), "TSV変換不可()");
    EXPECT_THROW(Convert::toIntegers("1\tx"), std::invalid_argument);
    EXPECT_THROW(Convert::toReals("1\t1e99999"), std::out_of_range);
    EXPECT_EQ(drevakErrorText([] { Convert::toBinaries("00\t0"); }),
              "大佐！ 「0」が偶数じゃありません！");
}

TEST(ConvertRoundTripTest, ScalarsReadBackAsWritten) {
    for (Integer value : {0, 1, -1, 1000, std::numeric_limits<Integer>::max(), UNSET_INTEGER}) {
        EXPECT_EQ(Convert::toInteger(Convert::toString(value)), value);
    }
    for (real value : {0.0L, 0.5L, -2.25L, 123456.0L, 1e-300L, 1e4000L, -1e-4000L, INFINITY_REAL,
                       -INFINITY_REAL}) {
        EXPECT_EQ(Convert::toReal(Convert::toString(value)), value) << Convert::toString(value);
    }
    EXPECT_EQ(Convert::toReal(Convert::toString(real{3.14159265L})), 3.14159L);
    EXPECT_TRUE(std::isnan(Convert::toReal(Convert::toString(NAN_REAL))));
    for (std::string_view value : {"", "\\", "\\e", "a\\", "\t", "x\r\n\\n", "日本語\\t", "*"}) {
        EXPECT_EQ(Convert::toText(Convert::toString(value)), value);
    }
    for (std::size_t count : {0, 1, 7, 8, 9, 16, 24, 33}) {
        EXPECT_EQ(Convert::toBinary(Convert::toString(countingBytes(count))), countingBytes(count));
    }
}

TEST(ConvertRoundTripTest, ArraysReadBackAsWritten) {
    const std::vector<Integer> integers{UNSET_INTEGER, 0, -5, 42};
    EXPECT_EQ(Convert::toIntegers(Convert::toString(integers)), integers);
    const std::vector<real> reals{0.5L, -INFINITY_REAL, 1e-10L};
    EXPECT_EQ(Convert::toReals(Convert::toString(reals)), reals);
    const std::vector<std::string> texts{"", "a\tb", "\\", "", "c d_e"};
    EXPECT_EQ(Convert::toTexts(Convert::toString(texts)), texts);
    const std::vector<Binary> binaries{{}, countingBytes(8), countingBytes(16), {0xFF}};
    EXPECT_EQ(Convert::toBinaries(Convert::toString(binaries)), binaries);
}

} // namespace
} // namespace drevak
