#include "file/rawfile.h"

#include <filesystem>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace tavrin::file {
namespace {

using fixture::bytesOf;
using fixture::fromUtf8;
using fixture::ScratchFolder;
using fixture::utf8;
using fixture::writeBytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Bytes a text reader would mangle: NUL, lone CR, CR LF, a byte-order mark, invalid UTF-8.
const std::string awkwardBytes("\xEF\xBB\xBF"
                               "a\0b\rc\r\nd\xFF\xFE\n",
                               15);

class RawFileTest : public ::testing::Test {
protected:
    ScratchFolder folder;
};

TEST_F(RawFileTest, FileMissingOnlyWhenNothingIsThere) {
    writeBytes(folder.root() / "present.dvk", "x");
    std::filesystem::create_directory(folder.root() / "sub");

    EXPECT_FALSE(fileMissing(folder.path("present.dvk")));
    EXPECT_FALSE(fileMissing(folder.path("sub")));
    EXPECT_TRUE(fileMissing(folder.path("absent.dvk")));
    EXPECT_TRUE(fileMissing(utf8(folder.root() / "no-folder" / "absent.dvk")));
}

TEST_F(RawFileTest, ReadFileGivesEveryByteUnchanged) {
    writeBytes(folder.root() / "a.dvk", awkwardBytes);
    writeBytes(folder.root() / "empty.dvk", "");
    // Longer than any single read, and not a multiple of a power of two.
    std::string large(3 * 65536 + 7, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) {
        large[i] = static_cast<char>(i * 7 + i / 251);
    }
    writeBytes(folder.root() / "large.dvk", large);

    EXPECT_EQ(readFile(folder.path("a.dvk")), awkwardBytes);
    EXPECT_EQ(readFile(folder.path("empty.dvk")), "");
    EXPECT_EQ(readFile(folder.path("large.dvk")), large);
}

TEST_F(RawFileTest, ReadFileFailureNamesPathAndReason) {
    const std::string missing = folder.path("absent.dvk");
    try {
        readFile(missing);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), missing);
        EXPECT_NE(error.systemCode(), 0);
        EXPECT_THAT(error.what(), HasSubstr(missing));
        EXPECT_THAT(error.what(), HasSubstr("(system code " + std::to_string(error.systemCode())));
    }
}

TEST_F(RawFileTest, ReadingAFolderIsAnError) {
    std::filesystem::create_directory(folder.root() / "sub");
    EXPECT_THROW(readFile(folder.path("sub")), FileError);
}

TEST_F(RawFileTest, ReplaceFileCreatesAndReplacesWithExactlyTheNewBytes) {
    const std::string target = folder.path("a.dvk");

    replaceFile(target, awkwardBytes);
    EXPECT_EQ(bytesOf(fromUtf8(target)), awkwardBytes);

    replaceFile(target, "short");
    EXPECT_EQ(bytesOf(fromUtf8(target)), "short");

    replaceFile(target, "");
    EXPECT_EQ(bytesOf(fromUtf8(target)), "");
    EXPECT_THAT(folder.names(), ElementsAre("a.dvk"));
}

TEST_F(RawFileTest, ReplaceFileIntoMissingFolderFailsAndCreatesNothing) {
    const std::string target = utf8(folder.root() / "no-folder" / "a.dvk");
    EXPECT_THROW(replaceFile(target, "x"), FileError);
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(RawFileTest, ReplacingAFolderFailsAndLeavesNoTemporaryFile) {
    std::filesystem::create_directory(folder.root() / "a.dvk");
    writeBytes(folder.root() / "a.dvk" / "inside", "kept");
    writeBytes(folder.root() / "b.dvk", "old");

    EXPECT_THROW(replaceFile(folder.path("a.dvk"), "new"), FileError);

    EXPECT_THAT(folder.names(), ElementsAre("a.dvk", "b.dvk"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.root() / "a.dvk"));
    EXPECT_EQ(bytesOf(folder.root() / "a.dvk" / "inside"), "kept");
    EXPECT_EQ(bytesOf(folder.root() / "b.dvk"), "old");
}

TEST_F(RawFileTest, JapaneseNamesReachTheSameFile) {
    std::filesystem::create_directory(folder.root() / fromUtf8("データ"));
    const auto native = folder.root() / fromUtf8("データ") / fromUtf8("設定.dvk");
    const std::string path = utf8(native);

    EXPECT_TRUE(fileMissing(path));
    replaceFile(path, "設定");

    EXPECT_TRUE(std::filesystem::is_regular_file(native));
    EXPECT_EQ(bytesOf(native), "設定");
    EXPECT_FALSE(fileMissing(path));
    EXPECT_EQ(readFile(path), "設定");
}

TEST_F(RawFileTest, PathsLongerThanTheClassicLimitWork) {
    auto deep = folder.root();
    for (int level = 0; level < 8; ++level) {
        deep /= std::string(40, static_cast<char>('a' + level));
    }
    std::filesystem::create_directories(deep);
    const std::string path = utf8(deep / "a.dvk");
    ASSERT_GT(path.size(), 300u);

    EXPECT_TRUE(fileMissing(path));
    replaceFile(path, "old and long");
    replaceFile(path, "new");

    EXPECT_FALSE(fileMissing(path));
    EXPECT_EQ(readFile(path), "new");
    EXPECT_EQ(bytesOf(deep / "a.dvk"), "new");
}

} // namespace
} // namespace tavrin::file
