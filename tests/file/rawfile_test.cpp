#include "file/rawfile.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scratch_folder.h"

#ifdef _WIN32
#include "system/win32.h"
#else
#include <unistd.h>
#endif

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

TEST_F(RawFileTest, ReplaceFilesReplacesEveryFileAndLeavesNothingElse) {
    writeBytes(folder.root() / "a.dvk", "old a");
    writeBytes(folder.root() / "c.dvk", awkwardBytes);
    const FileContent files[] = {{folder.path("a.dvk"), awkwardBytes},
                                 {folder.path("b.dvk"), "new b"},
                                 {folder.path("c.dvk"), ""}};

    replaceFiles(files);

    EXPECT_EQ(bytesOf(folder.root() / "a.dvk"), awkwardBytes);
    EXPECT_EQ(bytesOf(folder.root() / "b.dvk"), "new b");
    EXPECT_EQ(bytesOf(folder.root() / "c.dvk"), "");
    EXPECT_THAT(folder.names(), ElementsAre("a.dvk", "b.dvk", "c.dvk"));
}

// A process other than the test's that runs while the value lives: the parent on POSIX, a
// suspended copy of the test program on Windows.
class OtherProcess {
public:
#ifdef _WIN32
    OtherProcess() {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        EXPECT_TRUE(CreateProcessW(self, nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                   nullptr, nullptr, &startup, &process_));
    }
    ~OtherProcess() {
        TerminateProcess(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    unsigned long id() const {
        return process_.dwProcessId;
    }

private:
    PROCESS_INFORMATION process_{};
#else
    unsigned long id() const {
        return static_cast<unsigned long>(::getppid());
    }
#endif
};

// A killed save leaves its temporary file behind, named with its process id: the next save of
// the same file removes it, and nothing else, nor the temporary file of a save still running.
TEST_F(RawFileTest, SavesRemoveOnlyTheTemporaryFilesThatEndedSavesOfTheirFileLeft) {
    const OtherProcess running;
    // No system gives a process an id this high.
    const std::string ended = "999999999";
    const struct {
        std::string name;
        bool removed;
    } leftovers[] = {
        {"a.dvk." + ended + ".tmp", true},
        {"a.dvk." + std::to_string(running.id()) + ".tmp", false},
        {"b.dvk." + ended + ".tmp", false},
        {"xa.dvk." + ended + ".tmp", false},
        {"a.dvk." + ended + ".bak", false},
        {"a.dvk.0" + ended + ".tmp", false},
        {"a.dvk.1x.tmp", false},
        {"a.dvk..tmp", false},
    };
    const struct {
        const char* name;
        std::function<void(const std::string&)> save;
    } saves[] = {
        {"replaceFile", [](const std::string& path) { replaceFile(path, "new"); }},
        {"replaceFiles",
         [](const std::string& path) {
             const FileContent files[] = {{path, "new"}};
             replaceFiles(files);
         }},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(save.name);
        ScratchFolder scratch;
        std::vector<std::string> kept{"a.dvk"};
        for (const auto& leftover : leftovers) {
            writeBytes(scratch.root() / leftover.name, "left");
            if (!leftover.removed) {
                kept.push_back(leftover.name);
            }
        }
        std::sort(kept.begin(), kept.end());

        save.save(scratch.path("a.dvk"));

        EXPECT_EQ(scratch.names(), kept);
        EXPECT_EQ(bytesOf(scratch.root() / "a.dvk"), "new");
    }
}

// Something in the way of the last file: it blocks the replacement, and returns what ends the
// block once the outcome is known.
struct Obstacle {
    const char* name;
    std::function<std::function<void()>(const std::filesystem::path&)> block;
};

const Obstacle obstacles[] = {
    {"a folder in its place",
     [](const std::filesystem::path& path) {
         std::filesystem::create_directory(path);
         writeBytes(path / "inside", "kept");
         return std::function<void()>([] {});
     }},
#ifdef _WIN32
    {"the file held open by another program without sharing",
     [](const std::filesystem::path& path) {
         writeBytes(path, "held");
         const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
         EXPECT_NE(held, INVALID_HANDLE_VALUE);
         return std::function<void()>([held] { CloseHandle(held); });
     }},
#endif
};

// The first file existed, the second is new: after the failure on the third, the first has its
// old bytes back, the second is gone, and no temporary or backup file is left.
TEST_F(RawFileTest, ReplaceFilesFailingOnTheLastFileLeavesEveryFileAsItWas) {
    for (const Obstacle& obstacle : obstacles) {
        SCOPED_TRACE(obstacle.name);
        ScratchFolder scratch;
        writeBytes(scratch.root() / "a.dvk", awkwardBytes);
        const std::function<void()> unblock = obstacle.block(scratch.root() / "c.dvk");
        const std::vector<std::string> before = scratch.names();
        const std::string blocked = scratch.path("c.dvk");
        const FileContent files[] = {
            {scratch.path("a.dvk"), "new a"}, {scratch.path("b.dvk"), "new b"}, {blocked, "new c"}};

        try {
            replaceFiles(files);
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), blocked);
            EXPECT_NE(error.systemCode(), 0);
            EXPECT_THAT(error.what(), HasSubstr("cannot replace \"" + blocked));
        }
        unblock();

        EXPECT_EQ(scratch.names(), before);
        EXPECT_EQ(bytesOf(scratch.root() / "a.dvk"), awkwardBytes);
        if (std::filesystem::is_directory(scratch.root() / "c.dvk")) {
            EXPECT_EQ(bytesOf(scratch.root() / "c.dvk" / "inside"), "kept");
        } else {
            EXPECT_EQ(bytesOf(scratch.root() / "c.dvk"), "held");
        }
    }
}

} // namespace
} // namespace tavrin::file
