#include <gtest/gtest.h>

#include "utility/pathrules.h"

namespace tavrin::utility {
namespace {

TEST(ParentFolder, KeepsTheBackslashAndTurnsADrivePrefixIntoItsRoot) {
    EXPECT_EQ(parentFolder(L"C:\\a\\b.exe"), L"C:\\a\\");
    EXPECT_EQ(parentFolder(L"C:\\a\\"), L"C:\\");
    EXPECT_EQ(parentFolder(L"C:\\a\\\\\\"), L"C:\\");
    EXPECT_EQ(parentFolder(L"C:a.txt"), L"C:\\");
    EXPECT_EQ(parentFolder(L"C:"), L"C:\\");
    EXPECT_EQ(parentFolder(L"C:\\"), L"C:\\");
    EXPECT_EQ(parentFolder(L"a\\b"), L"a\\");
    EXPECT_EQ(parentFolder(L"\\\\server\\share\\x.txt"), L"\\\\server\\share\\");
    EXPECT_EQ(parentFolder(L"C:\\資料\\報告書.txt"), L"C:\\資料\\");
}

TEST(ParentFolder, IsEmptyWithoutAFolderPart) {
    EXPECT_EQ(parentFolder(L"a.txt"), L"");
    EXPECT_EQ(parentFolder(L""), L"");
    EXPECT_EQ(parentFolder(L"\\\\\\"), L"");
    // The first character is never looked at: a leading backslash alone is no folder part.
    EXPECT_EQ(parentFolder(L"\\a"), L"");
}

TEST(AddBackslash, AppendsOnlyWhenMissingAndLeavesEmptyAlone) {
    EXPECT_EQ(addBackslash(L"C:\\a"), L"C:\\a\\");
    EXPECT_EQ(addBackslash(L"C:\\a\\"), L"C:\\a\\");
    EXPECT_EQ(addBackslash(L"C:"), L"C:\\");
    EXPECT_EQ(addBackslash(L"フォルダ"), L"フォルダ\\");
    EXPECT_EQ(addBackslash(L""), L"");
}

TEST(RemoveBackslash, RemovesEveryTrailingBackslash) {
    EXPECT_EQ(removeBackslash(L"C:\\a\\\\\\"), L"C:\\a");
    EXPECT_EQ(removeBackslash(L"C:\\a"), L"C:\\a");
    EXPECT_EQ(removeBackslash(L"C:\\"), L"C:");
    EXPECT_EQ(removeBackslash(L"\\\\"), L"");
    EXPECT_EQ(removeBackslash(L""), L"");
}

TEST(Extension, IsTheTextAfterTheLastDotOfTheLastComponent) {
    EXPECT_EQ(extension(L"C:\\a\\b.txt"), L"txt");
    EXPECT_EQ(extension(L"C:\\a\\b.tar.gz"), L"gz");
    EXPECT_EQ(extension(L"C:\\a\\.profile"), L"profile");
    EXPECT_EQ(extension(L"C:\\資料\\報告書.文書"), L"文書");
    EXPECT_EQ(extension(L"b.txt"), L"txt");
}

TEST(Extension, IsEmptyWhenABackslashOrBlankFollowsTheDotOrNoTextDoes) {
    EXPECT_EQ(extension(L"C:\\a.b\\c"), L"");
    EXPECT_EQ(extension(L"C:\\a\\b.txt\\"), L"");
    EXPECT_EQ(extension(L"C:\\a\\b.t xt"), L"");
    EXPECT_EQ(extension(L"C:\\a\\b."), L"");
    EXPECT_EQ(extension(L"C:\\a\\b"), L"");
    EXPECT_EQ(extension(L""), L"");
}

TEST(BaseName, DropsTheFolderAndTheExtension) {
    EXPECT_EQ(baseName(L"C:\\a\\b.txt"), L"b");
    EXPECT_EQ(baseName(L"C:\\a\\b.tar.gz"), L"b.tar");
    EXPECT_EQ(baseName(L"C:\\a\\b."), L"b");
    EXPECT_EQ(baseName(L"b.txt"), L"b");
    EXPECT_EQ(baseName(L"C:a.txt"), L"a");
    EXPECT_EQ(baseName(L"C:/a/b.txt"), L"b");
    EXPECT_EQ(baseName(L"C:\\資料\\報告書.txt"), L"報告書");
}

TEST(BaseName, KeepsANameThatIsAllExtensionAndAFolderNameWhole) {
    EXPECT_EQ(baseName(L"C:\\a\\.profile"), L".profile");
    EXPECT_EQ(baseName(L"C:\\a\\dir\\"), L"dir");
    EXPECT_EQ(baseName(L"C:\\a\\dir\\\\"), L"dir");
    // A trailing backslash ends any extension: this is a folder named with a dot.
    EXPECT_EQ(baseName(L"C:\\a\\x.y\\"), L"x.y");
    EXPECT_EQ(baseName(L"C:\\a\\b"), L"b");
    EXPECT_EQ(baseName(L"C:\\"), L"C:");
    EXPECT_EQ(baseName(L""), L"");
}

} // namespace
} // namespace tavrin::utility
