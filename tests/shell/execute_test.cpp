#include "shell/execute.h"

#include <filesystem>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "launchprobe_fixture.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "wine.h"

namespace tavrin::shell {
namespace {

namespace fixture = file::fixture;
using system::CODE;
using system::TavrinException;
using system::TavrinFileException;
using ::testing::EndsWith;
using ::testing::HasSubstr;

// The chained cause of a failure, as the class the test expects it to be.
template <typename Cause> const Cause& causeOf(const system::TavrinThrowable& failure) {
    const auto* cause = dynamic_cast<const Cause*>(failure.next().get());
    if (cause == nullptr) {
        throw std::logic_error("unexpected cause of: " + failure.toString());
    }
    return *cause;
}

class ExecuteTest : public ::testing::Test {
protected:
    std::string path(const std::filesystem::path& file) const { return fixture::utf8(file); }

    fixture::ScratchFolder scratch;
    fixture::ProbeRecords records;
    std::filesystem::path probe = fixture::copyProbe(scratch.root() / L"bin", L"probe.exe");
};

TEST_F(ExecuteTest, AFileStartsWithItsOptionsInItsWorkFolderOrElseInItsOwnFolder) {
    const std::filesystem::path work = scratch.root() / L"work";
    std::filesystem::create_directories(work);
    EXPECT_NE(
        ExecuteFile(nullptr, path(probe), "-a \"b c\"", path(work), SW_SHOWMINNOACTIVE, false),
        nullptr);
    EXPECT_NE(ExecuteFile(nullptr, path(probe), "", path(scratch.root() / L"missing"),
                          SW_SHOWNORMAL, false),
              nullptr);
    const auto started = records.wait(2);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_THAT(started[0].command, EndsWith(" -a \"b c\""));
    EXPECT_EQ(started[0].folder, path(work));
    EXPECT_EQ(started[0].show, SW_SHOWMINNOACTIVE);
    EXPECT_EQ(started[1].folder, path(probe.parent_path()));
    EXPECT_EQ(started[1].show, SW_SHOWNORMAL);
}

TEST_F(ExecuteTest, JapaneseTextAndBlanksArriveIntact) {
    const std::filesystem::path japanese =
        fixture::copyProbe(scratch.root() / L"日本語 の フォルダ", L"プローブ 1.exe");
    ExecuteFile(nullptr, path(japanese), "「引数」 です", "", SW_SHOWNORMAL, false);
    const auto started = records.wait(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_THAT(started[0].command, HasSubstr("プローブ 1.exe"));
    EXPECT_THAT(started[0].command, EndsWith(" 「引数」 です"));
    EXPECT_EQ(started[0].folder, path(japanese.parent_path()));
}

TEST_F(ExecuteTest, ACommandLineStartsItsQuotedProgramWithTheRestAndTheOptions) {
    const std::filesystem::path blank = fixture::copyProbe(scratch.root() / L"a b", L"probe.exe");
    ExecuteFile(nullptr, "\"" + path(blank) + "\" -a", "-x", path(scratch.root()), SW_SHOWMAXIMIZED,
                false);
    const auto started = records.wait(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_THAT(started[0].command, HasSubstr(path(blank)));
    EXPECT_THAT(started[0].command, EndsWith(" -a -x"));
    EXPECT_EQ(started[0].show, SW_SHOWMAXIMIZED);
}

TEST_F(ExecuteTest, ACommandLineTheShellRefusesNamesThePathAndTheSystemsReason) {
    const std::string missing = path(scratch.root() / L"無い" / L"missing.exe") + " -a";
    try {
        ExecuteFile(nullptr, missing, "", "", SW_SHOWNORMAL, false);
        FAIL() << "a missing program started";
    } catch (const TavrinException& failure) {
        EXPECT_EQ(failure.message(), "ファイル実行例外");
        EXPECT_EQ(failure.Code(), CODE::FILE);
        const auto& cause = causeOf<TavrinFileException>(failure);
        EXPECT_EQ(cause.Code(), CODE::FILE_EXECUTE_PATH);
        // The shell says file or path not found, by the system's own text for either.
        EXPECT_THAT(cause.message(),
                    ::testing::AnyOf(missing + "[" + system::systemMessage(2) + "]",
                                     missing + "[" + system::systemMessage(3) + "]"));
    }
    EXPECT_TRUE(records.wait(0).empty());
}

// The shell would start "...\My.exe" for the first word of "...\My Tools\tool.exe", or
// "...\My.exe" for "...\My": a program written as a path is that file or nothing.
TEST_F(ExecuteTest, AProgramWrittenAsAPathStartsOnlyWhenExactlyThatFileExists) {
    fixture::copyProbe(scratch.root(), L"My.exe");
    const std::string missing[] = {path(scratch.root() / L"My Tools" / L"tool.exe"),
                                   path(scratch.root() / L"My") + " -x"};
    for (const std::string& address : missing) {
        try {
            ExecuteFile(nullptr, address, "", "", SW_SHOWNORMAL, false);
            ADD_FAILURE() << "started: " << address;
        } catch (const TavrinException& failure) {
            const auto& cause = causeOf<TavrinFileException>(failure);
            EXPECT_EQ(cause.Code(), CODE::FILE_EXECUTE_PATH);
            EXPECT_EQ(cause.message(), address + "[" + system::systemMessage(2) + "]");
        }
    }
    EXPECT_TRUE(records.wait(0).empty());
    // The exact file, and a bare program name the shell finds on the path, still start.
    ExecuteFile(nullptr, path(scratch.root() / L"My.exe") + " -x", "", "", SW_SHOWNORMAL, false);
    const std::wstring searched = probe.parent_path().wstring() + L";" + _wgetenv(L"PATH");
    SetEnvironmentVariableW(L"PATH", searched.c_str());
    ExecuteFile(nullptr, "probe.exe memo.txt", "", "", SW_SHOWNORMAL, false);
    const auto started = records.wait(2);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_THAT(started[0].command, EndsWith(" -x"));
    EXPECT_THAT(started[1].command, EndsWith(" memo.txt"));
}

TEST_F(ExecuteTest, AnExistingFileTheShellCannotOpenFailsWithTheShellsReason) {
    const std::filesystem::path unknown = scratch.root() / L"data.noassociation";
    fixture::writeBytes(unknown, "x");
    try {
        ExecuteFile(nullptr, path(unknown), "", "", SW_SHOWNORMAL, false);
        FAIL() << "a file without a program started";
    } catch (const TavrinException& failure) {
        EXPECT_EQ(failure.Code(), CODE::FILE);
        const auto& cause = causeOf<TavrinFileException>(failure);
        EXPECT_EQ(cause.Code(), CODE::FILE_EXECUTE_PROPERTY);
        EXPECT_THAT(cause.message(), ::testing::StartsWith(path(unknown) + " ["));
        EXPECT_THAT(cause.message(), EndsWith("]"));
    }
}

TEST_F(ExecuteTest, AFolderProgramGetsTheFolderAsItsOptionsAndWorkFolder) {
    const std::filesystem::path folder = scratch.root() / L"開く フォルダ";
    std::filesystem::create_directories(folder);
    ExecuteFolder(FOLDER::PROGRAM, path(folder), SW_SHOWMINIMIZED, path(probe));
    const auto started = records.wait(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_THAT(started[0].command, EndsWith(" \"" + path(folder) + "\""));
    EXPECT_EQ(started[0].folder, path(folder));
    EXPECT_EQ(started[0].show, SW_SHOWMINIMIZED);
}

TEST_F(ExecuteTest, FolderFailuresNameTheFolderAndKeepTheChain) {
    try {
        ExecuteFolder(FOLDER::PROGRAM, "", SW_SHOWNORMAL, path(probe));
        FAIL() << "an empty folder was handed on";
    } catch (const TavrinException& failure) {
        EXPECT_EQ(failure.message(), "フォルダ実行無効,");
        EXPECT_EQ(failure.Code(), CODE::FILE);
        const auto& cause = causeOf<TavrinFileException>(failure);
        EXPECT_EQ(cause.message(), "肝心のフォルダパスが完全に無効");
        EXPECT_EQ(cause.Code(), CODE::FILE_EXECUTE_FOLDER);
    }
    const std::string missing = path(scratch.root() / L"missing");
    try {
        ExecuteFolder(FOLDER::OPEN, missing, SW_SHOWNORMAL);
        FAIL() << "a missing folder opened";
    } catch (const TavrinException& failure) {
        EXPECT_EQ(failure.message(), "フォルダ実行無効," + missing);
        const auto& file = causeOf<TavrinException>(failure);
        EXPECT_EQ(file.message(), "ファイル実行例外");
        const auto& shell = causeOf<TavrinFileException>(file);
        EXPECT_EQ(shell.Code(), CODE::FILE_EXECUTE_PATH);
        EXPECT_THAT(shell.message(), ::testing::StartsWith(missing + "\\["));
    }
    EXPECT_TRUE(records.wait(0).empty());
}

TEST_F(ExecuteTest, AFolderOpensOrIsExploredInTheShellsWindow) {
    for (const FOLDER mode : {FOLDER::OPEN, FOLDER::EXPLORE}) {
        const fixture::ExplorerWindows windows;
        ExecuteFolder(mode, path(scratch.root()), SW_SHOWNORMAL);
        EXPECT_EQ(windows.closeNew(), 1u);
    }
}

TEST_F(ExecuteTest, APropertiesSheetTheShellRefusesNamesThePathAndTheReason) {
    if (!fixture::underWine()) {
        GTEST_SKIP() << "only Wine refuses every properties sheet";
    }
    try {
        ShowProperties(nullptr, path(probe));
        FAIL() << "Wine showed a properties sheet";
    } catch (const TavrinFileException& failure) {
        EXPECT_EQ(failure.Code(), CODE::FILE_EXECUTE_PROPERTY);
        EXPECT_EQ(failure.message(), path(probe) + "[" + system::systemMessage(87) + "]");
    }
}

} // namespace
} // namespace tavrin::shell
