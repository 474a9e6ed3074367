#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/path.h"
#include "system/folder.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "testfiles.h"

namespace tavrin::shell {
namespace {

using systemtest::TempFolder;
using utility::parentFolder;

// The attributes of a path of any length, asked without the code under test.
DWORD attributesOf(const std::wstring& fullPath) {
    return GetFileAttributesW((L"\\\\?\\" + fullPath).c_str());
}

bool existsAsFolder(const std::wstring& fullPath) {
    const DWORD attributes = attributesOf(fullPath);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A path more than 400 characters below the folder.
std::wstring deepPath(const std::filesystem::path& folder) {
    std::wstring path = folder.wstring();
    for (int level = 0; level < 20; ++level) {
        path += L"\\folder-name-of-twenty-" + std::to_wstring(level);
    }
    return path;
}

void writeFile(const std::wstring& fullPath) {
    const HANDLE file = CreateFileW((L"\\\\?\\" + fullPath).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    CloseHandle(file);
}

void expectMissing(const std::wstring& path) {
    SCOPED_TRACE(::testing::PrintToString(path));
    try {
        isFolder(path);
        ADD_FAILURE() << "a missing path must raise";
    } catch (const system::TavrinFileException& exception) {
        EXPECT_EQ(exception.message(), "ファイル無い。");
        EXPECT_EQ(exception.Code(), system::CODE::FILE_FOUND);
    }
}

TEST(IsFolder, TellsFoldersFromFiles) {
    const TempFolder temp;
    const std::wstring folder = (temp.path() / L"フォルダ").wstring();
    const std::wstring file = (temp.path() / L"ファイル.txt").wstring();
    std::filesystem::create_directory(folder);
    writeFile(file);
    EXPECT_TRUE(isFolder(folder));
    EXPECT_TRUE(isFolder(folder + L"\\"));
    EXPECT_FALSE(isFolder(file));
}

TEST(IsFolder, RaisesFileMissingWhereNothingExists) {
    const TempFolder temp;
    const std::wstring file = (temp.path() / L"file.txt").wstring();
    writeFile(file);
    expectMissing((temp.path() / L"missing").wstring());
    expectMissing((temp.path() / L"missing\\inner").wstring());
    expectMissing(file + L"\\inner");
    expectMissing(L"");
}

TEST(IsFolder, WorksBeyondTheClassicPathLimit) {
    const TempFolder temp;
    const std::wstring deep = deepPath(temp.path());
    ASSERT_GT(deep.size(), 400u);
    system::createFolder(deep);
    writeFile(deep + L"\\file.txt");
    EXPECT_TRUE(isFolder(deep));
    EXPECT_FALSE(isFolder(deep + L"\\file.txt"));
    expectMissing(deep + L"\\missing");
}

TEST(CreateFolder, CreatesEveryMissingParentAndAcceptsAnExistingFolder) {
    const TempFolder temp;
    const std::wstring target = temp.path().wstring() + L"\\データ\\b\\c\\";
    system::createFolder(target);
    EXPECT_TRUE(existsAsFolder(target));
    EXPECT_NO_THROW(system::createFolder(target));
    EXPECT_NO_THROW(system::createFolder(temp.path().wstring() + L"\\データ"));
    system::createFolder(temp.path().wstring() + L"/x/y");
    EXPECT_TRUE(existsAsFolder(temp.path().wstring() + L"\\x\\y"));
}

TEST(CreateFolder, FileInTheWayRaisesWithThePath) {
    const TempFolder temp;
    systemtest::writeBytes(temp.path() / L"blocker", "x");
    try {
        system::createFolder(temp.path().wstring() + L"\\blocker\\inner");
        FAIL() << "a file named like the folder must stop the creation";
    } catch (const system::TavrinFolderException& exception) {
        EXPECT_NE(exception.message().find(temp.text() + "\\blocker"), std::string::npos)
            << exception.message();
    }
}

TEST(CreateFolder, WorksBeyondTheClassicPathLimit) {
    const TempFolder temp;
    const std::wstring deep = deepPath(temp.path());
    system::createFolder(deep);
    EXPECT_TRUE(existsAsFolder(deep));
}

TEST(ProgramPath, IsTheRunningExecutableInItsFolder) {
    const std::wstring path = programPath();
    EXPECT_TRUE(path.ends_with(L"\\shell_tests.exe")) << systemtest::utf8(path);
    EXPECT_TRUE(existsAsFolder(parentFolder(path)));
    EXPECT_EQ(attributesOf(path) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

} // namespace
} // namespace tavrin::shell
