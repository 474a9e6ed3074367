#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "shell/finder.h"
#include "testfiles.h"

namespace tavrin::shell {
namespace {

using systemtest::TempFolder;

// Each name the finder hands out, with its attributes, until it answers false.
std::map<std::wstring, DWORD> drain(Finder& finder) {
    std::map<std::wstring, DWORD> found;
    WIN32_FIND_DATAW data;
    while (finder.next(data)) {
        const bool added = found.emplace(data.cFileName, data.dwFileAttributes).second;
        EXPECT_TRUE(added) << "handed out twice: " << systemtest::utf8(data.cFileName);
    }
    return found;
}

class FinderTest : public ::testing::Test {
protected:
    FinderTest() {
        systemtest::writeBytes(temp.path() / L"a.txt", "a");
        systemtest::writeBytes(temp.path() / L"資料.txt", "b");
        std::filesystem::create_directory(temp.path() / L"サブ");
    }

    std::wstring pattern(const wchar_t* name) const { return (temp.path() / name).wstring(); }

    const TempFolder temp;
};

TEST_F(FinderTest, HandsOutEveryEntryOnceWithItsAttributes) {
    Finder finder(pattern(L"*"));
    const auto found = drain(finder);
    EXPECT_EQ(found.size(), 5u); // ".", ".." and the three entries
    ASSERT_TRUE(found.contains(L"サブ"));
    EXPECT_NE(found.at(L"サブ") & FILEITEM::DIRECTORY, 0u);
    ASSERT_TRUE(found.contains(L"資料.txt"));
    EXPECT_EQ(found.at(L"資料.txt") & FILEITEM::DIRECTORY, 0u);
    EXPECT_TRUE(found.contains(L"a.txt"));
    EXPECT_EQ(finder.count(), found.size());
}

TEST_F(FinderTest, AfterTheLastEntryKeepsAnsweringFalseUntilReset) {
    Finder finder(pattern(L"*.txt"));
    EXPECT_EQ(drain(finder).size(), 2u);
    WIN32_FIND_DATAW data;
    for (int again = 0; again < 3; ++again) {
        EXPECT_FALSE(finder.next(data));
    }
    EXPECT_EQ(finder.count(), 2u);
    // The finished search still holds its handle until reset or the end.
    EXPECT_TRUE(finder.isAlive());

    finder.reset(pattern(L"a*"));
    EXPECT_FALSE(finder.isAlive());
    EXPECT_EQ(finder.count(), 0u);
    const auto found = drain(finder);
    EXPECT_EQ(found.size(), 1u);
    EXPECT_TRUE(found.contains(L"a.txt"));
    EXPECT_EQ(finder.count(), 1u);
}

TEST_F(FinderTest, ResetInTheMiddleStartsOver) {
    Finder finder(pattern(L"*.txt"));
    WIN32_FIND_DATAW data;
    ASSERT_TRUE(finder.next(data));
    finder.reset(pattern(L"*.txt"));
    EXPECT_EQ(drain(finder).size(), 2u);
    EXPECT_EQ(finder.count(), 2u);
}

TEST_F(FinderTest, APatternThatMatchesNothingAnswersFalseAndHoldsNothing) {
    Finder finder(pattern(L"*.none"));
    WIN32_FIND_DATAW data;
    EXPECT_FALSE(finder.next(data));
    EXPECT_FALSE(finder.next(data));
    EXPECT_EQ(finder.count(), 0u);
    EXPECT_FALSE(finder.isAlive());

    Finder inMissingFolder(pattern(L"missing\\*"));
    EXPECT_FALSE(inMissingFolder.next(data));
    // A file made after the failed start is not picked up until reset.
    systemtest::writeBytes(temp.path() / L"late.none", "x");
    EXPECT_FALSE(finder.next(data));
    finder.reset(pattern(L"*.none"));
    EXPECT_TRUE(finder.next(data));
    EXPECT_EQ(std::wstring(data.cFileName), L"late.none");
}

} // namespace
} // namespace tavrin::shell
