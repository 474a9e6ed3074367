#include "file/rawfile.h"

#include <windows.h>

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
using ::testing::Not;

class AccessWin32Test : public ::testing::Test {
protected:
    ScratchFolder folder;
};

// Holds a file open with no sharing, as another program editing it would.
class Lock {
public:
    explicit Lock(const std::filesystem::path& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~Lock() { CloseHandle(handle_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

TEST_F(AccessWin32Test, PathsThatAreNotUtf8AreRefused) {
    const std::string bad = folder.path("a") + "\xFF.dvk";
    EXPECT_EQ(systemCodeOf([&] { fileMissing(bad); }), ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_EQ(systemCodeOf([&] { readFile(bad); }), ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_EQ(systemCodeOf([&] { replaceFile(bad, "x"); }), ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(AccessWin32Test, FailureCarriesTheSystemsOwnReason) {
    try {
        readFile(folder.path("absent.dvk"));
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.systemCode(), ERROR_FILE_NOT_FOUND);
        EXPECT_THAT(error.what(), Not(HasSubstr("unknown error")));
        EXPECT_THAT(error.what(), Not(HasSubstr("\r")));
    }
}

TEST_F(AccessWin32Test, LockedFileIsNeitherReadNorReplacedNorOfferedForSaving) {
    const auto target = folder.root() / "a.dvk";
    writeBytes(target, "old");
    {
        Lock lock(target);
        ASSERT_TRUE(lock.held());
        EXPECT_EQ(systemCodeOf([&] { readFile(folder.path("a.dvk")); }), ERROR_SHARING_VIOLATION);
        EXPECT_FALSE(fileMissing(folder.path("a.dvk")));
        const LoadedDocument loaded = LoadOrNewDocument(folder.path("a.dvk"));
        EXPECT_FALSE(loaded.saveable());
        EXPECT_THAT(loaded.failure, HasSubstr(folder.path("a.dvk")));
        EXPECT_NE(systemCodeOf([&] { replaceFile(folder.path("a.dvk"), "new"); }), 0);
    }
    EXPECT_EQ(bytesOf(target), "old");
    EXPECT_THAT(folder.names(), ElementsAre("a.dvk"));
}

} // namespace
} // namespace tavrin::file
