#include <gtest/gtest.h>

#include <filesystem>

#include "system/folders.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "testfiles.h"
#include "utility/unicode.h"

namespace tavrin::system {
namespace {

using systemtest::TempFolder;

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(CreateFolder, CreatesEveryMissingParentAndAcceptsAnExistingFolder) {
    const TempFolder temp;
    const std::string target = temp.text() + "\\データ\\b\\c\\";
    createFolder(target);
    EXPECT_TRUE(isFolder(utility::toWide(target)));
    EXPECT_NO_THROW(createFolder(target));
    EXPECT_NO_THROW(createFolder(temp.text() + "\\データ"));
}

TEST(CreateFolder, FileInTheWayRaisesWithThePath) {
    const TempFolder temp;
    systemtest::writeBytes(temp.path() / L"blocker", "x");
    const std::string target = temp.text() + "\\blocker\\inner";
    try {
        createFolder(target);
        FAIL() << "a file named like the folder must stop the creation";
    } catch (const TavrinException& exception) {
        EXPECT_NE(exception.message().find(temp.text() + "\\blocker"), std::string::npos)
            << exception.message();
    }
}

TEST(CreateFolder, WorksBeyondTheClassicPathLimit) {
    const TempFolder temp;
    std::string target = temp.text();
    for (int level = 0; level < 20; ++level) {
        target += "\\folder-name-of-twenty-" + std::to_string(level);
    }
    ASSERT_GT(target.size(), 400u);
    createFolder(target);
    EXPECT_TRUE(isFolder(L"\\\\?\\" + utility::toWide(target)));
}

TEST(ProgramPath, IsTheRunningExecutableInItsFolder) {
    const std::string path = programPath();
    EXPECT_TRUE(path.ends_with("system_tests.exe")) << path;
    const std::string folder = folderOf(path);
    EXPECT_EQ(folder + "system_tests.exe", path);
    EXPECT_TRUE(isFolder(utility::toWide(folder)));
}

TEST(FolderOf, KeepsTheTrailingBackslash) {
    EXPECT_EQ(folderOf("C:\\a\\b.exe"), "C:\\a\\");
    EXPECT_EQ(folderOf("C:\\b.exe"), "C:\\");
    EXPECT_EQ(folderOf("b.exe"), "");
}

} // namespace
} // namespace tavrin::system
