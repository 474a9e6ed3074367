#include "file/rawfile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "file/datafile.h"
#include "scratch_folder.h"
#include "system_code.h"

namespace tavrin::file {
namespace {

using fixture::bytesOf;
using fixture::ScratchFolder;
using fixture::systemCodeOf;
using fixture::writeBytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

class AccessPosixTest : public ::testing::Test {
protected:
    ScratchFolder folder;
};

// Root passes every permission check, so the tests of refused access cannot run as root.
class AccessPosixPermissionTest : public AccessPosixTest {
protected:
    void SetUp() override {
        if (::geteuid() == 0) {
            GTEST_SKIP() << "root is granted every access, so nothing can be refused";
        }
    }
};

TEST_F(AccessPosixTest, PathThroughAFileIsMissing) {
    writeBytes(folder.root() / "file", "x");
    EXPECT_TRUE(fileMissing(folder.path("file") + "/a.dvk"));
}

TEST_F(AccessPosixTest, ReplaceFileKeepsTheAccessRightsOfTheOldFile) {
    const auto target = folder.root() / "a.dvk";
    writeBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);

    replaceFile(folder.path("a.dvk"), "new");

    EXPECT_EQ(bytesOf(target), "new");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(AccessPosixPermissionTest, UnreadableFileIsAnErrorNotMissing_SkippedAsRoot) {
    writeBytes(folder.root() / "a.dvk", "x");
    fs::permissions(folder.root() / "a.dvk", fs::perms::none);

    EXPECT_FALSE(fileMissing(folder.path("a.dvk")));
    EXPECT_EQ(systemCodeOf([&] { readFile(folder.path("a.dvk")); }), EACCES);

    const LoadedDocument loaded = LoadOrNewDocument(folder.path("a.dvk"));
    EXPECT_FALSE(loaded.saveable());
    EXPECT_THAT(loaded.failure, HasSubstr(folder.path("a.dvk")));
    EXPECT_THAT(loaded.failure, HasSubstr(std::strerror(EACCES)));
    EXPECT_EQ(loaded.document.ChildCount(), 0u);
}

TEST_F(AccessPosixPermissionTest, UnsearchableFolderIsAnErrorNotMissing_SkippedAsRoot) {
    fs::create_directory(folder.root() / "closed");
    fs::permissions(folder.root() / "closed", fs::perms::none);

    EXPECT_EQ(systemCodeOf([&] { fileMissing(folder.path("closed") + "/a.dvk"); }), EACCES);

    fs::permissions(folder.root() / "closed", fs::perms::owner_all);
}

TEST_F(AccessPosixPermissionTest, SaveIntoReadOnlyFolderFailsAndKeepsOldFile_SkippedAsRoot) {
    fs::create_directory(folder.root() / "data");
    writeBytes(folder.root() / "data" / "a.dvk", "old");
    fs::permissions(folder.root() / "data", fs::perms::owner_read | fs::perms::owner_exec);

    EXPECT_EQ(systemCodeOf([&] { replaceFile(folder.path("data") + "/a.dvk", "new"); }), EACCES);

    fs::permissions(folder.root() / "data", fs::perms::owner_all);
    EXPECT_EQ(bytesOf(folder.root() / "data" / "a.dvk"), "old");
    EXPECT_THAT(folder.names("data"), ElementsAre("a.dvk"));
}

} // namespace
} // namespace tavrin::file
