#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <source_location>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "logfiles.h"
#include "system/log.h"
#include "system/staticdata.h"
#include "system/tavrinerrors.h"
#include "system/timer.h"
#include "system/unicode.h"
#include "system/win32.h"
#include "testfiles.h"
#include "utility/simple/sysinfo.h"

namespace tavrin::system {
namespace {

using systemtest::filesIn;
using systemtest::logEntries;
using systemtest::LogEntry;
using systemtest::readBytes;
using systemtest::TempFolder;
using systemtest::utf8;

bool sameDayTime(const SystemTime& time, const SystemTime& before, const SystemTime& after) {
    const auto value = [](SystemTime time) {
        time.wDayOfWeek = 0;
        return toTimeValue(time);
    };
    return value(before) <= value(time) && value(time) <= value(after);
}

// A log folder in a fresh temporary folder; the log is ended after every test.
class LogTest : public testing::Test {
protected:
    explicit LogTest(std::filesystem::path logFolder = L"log") : folder(temp.path() / logFolder) {
        StaticData::Values values;
        values.LogFolder = utf8(folder) + "\\";
        StaticData::initialize(values);
    }
    ~LogTest() override { SetLogging(false); }

    // The one log file; fails the test when there is not exactly one.
    std::string onlyLog() const {
        const auto files = filesIn(folder);
        EXPECT_EQ(files.size(), 1u);
        return files.empty() ? std::string() : readBytes(files.front());
    }

    TempFolder temp;
    std::filesystem::path folder;
};

TEST_F(LogTest, OffItMakesNoFolderNoFileAndBuildsNoMessage) {
    bool built = false;
    SetLogging(false);
    WriteLog([&built] {
        built = true;
        return "never";
    });
    WriteLog("args -> %s", std::vector<std::string>{"a"});
    EXPECT_FALSE(built);
    EXPECT_FALSE(isLogging());
    EXPECT_FALSE(std::filesystem::exists(folder));
    SetLogging(false);
    EXPECT_FALSE(std::filesystem::exists(folder));
}

class NestedLogTest : public LogTest {
protected:
    NestedLogTest() : LogTest(std::filesystem::path(L"ログ") / L"二段目") {}
};

TEST_F(NestedLogTest, OneFileNamedAfterTheStartInMissingFoldersFromStartToEnd) {
    const SystemTime before = currentLocalTime();
    SetLogging(true, utility::SystemReport);
    const SystemTime after = currentLocalTime();
    ASSERT_TRUE(isLogging());
    WriteLog([] { return "途中"; });
    SetLogging(false);
    EXPECT_FALSE(isLogging());

    const auto files = filesIn(folder);
    ASSERT_EQ(files.size(), 1u);
    const std::string name = utf8(files.front().filename());
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(name, parts, std::regex(systemtest::logFileNamePattern))) << name;
    const auto number = [&parts](int index) {
        return static_cast<std::uint16_t>(std::stoi(parts[index]));
    };
    const DateTime named(number(1), number(2), number(3), number(5), number(6), number(7), 0);
    EXPECT_EQ(parts[4], named.weekName(named.dayOfWeek())) << name;
    SystemTime earliest = before;
    earliest.wMilliseconds = 0;
    EXPECT_TRUE(sameDayTime(named.systemTime(), earliest, after)) << name;

    const std::string log = readBytes(files.front());
    // UTF-8 without a byte-order mark.
    EXPECT_TRUE(log.starts_with("<")) << log.substr(0, 20);
    const std::vector<LogEntry> entries = logEntries(log);
    ASSERT_EQ(entries.size(), 3u) << log;
    EXPECT_TRUE(entries[0].message.starts_with("Log Start.\r\n[OS]\r\nWindow: "))
        << entries[0].message;
    EXPECT_NE(entries[0].message.find("\r\n[MEMORY]\r\n"), std::string::npos);
    EXPECT_NE(entries[0].message.find("\r\n[CPU]\r\n"), std::string::npos);
    EXPECT_NE(entries[0].message.find("\r\n[COMPILER]\r\n"), std::string::npos);
    EXPECT_NE(entries[0].message.find("\r\n[COMPILE]\r\n"), std::string::npos);
    EXPECT_TRUE(
        std::regex_search(entries[0].message, std::regex("\r\nCoverageVersion: (true|false)$")))
        << entries[0].message;
    EXPECT_EQ(entries[1].message, "途中");
    EXPECT_EQ(entries[2].message, "Log End.");
    for (const LogEntry& entry : entries) {
        EXPECT_TRUE(sameDayTime(entry.time, earliest, currentLocalTime()));
    }
}

TEST_F(LogTest, AnEntryThatFailsIsCountedNeverRaisedAndToldOnceInTheNextEntry) {
    SetLogging(true);
    const auto failing = []() -> std::string { throw std::runtime_error("組み立て失敗"); };
    WriteLog(failing);
    WriteLog("%s", std::string("書式"));
    WriteLog(failing);
    EXPECT_EQ(lostLogEntries(), 2u);
    WriteLog([] { return "次"; });
    WriteLog([] { return "その次"; });
    SetLogging(false);

    const std::vector<LogEntry> entries = logEntries(onlyLog());
    std::vector<std::string> messages;
    for (const LogEntry& entry : entries) {
        messages.push_back(entry.message);
    }
    EXPECT_EQ(messages,
              (std::vector<std::string>{
                  "Log Start.", "1 log entries were lost; the first: 組み立て失敗", "書式",
                  "1 log entries were lost; the first: 組み立て失敗", "次", "その次", "Log End."}));
}

TEST_F(LogTest, EntryCarriesTimeCallSiteAndMessageInItsExactForm) {
    SetLogging(true);
    const std::size_t start = onlyLog().size();
    const SystemTime before = currentLocalTime();
    const std::source_location here = std::source_location::current();
    WriteLog([] { return std::string("一行目\r\n二行目"); });
    const SystemTime after = currentLocalTime();
    const std::string written = onlyLog().substr(start);

    const std::vector<LogEntry> entries = logEntries(written);
    ASSERT_EQ(entries.size(), 1u) << written;
    EXPECT_EQ(entries[0].file, here.file_name());
    EXPECT_EQ(entries[0].line, here.line() + 1);
    EXPECT_EQ(entries[0].message, "一行目\r\n二行目");
    EXPECT_TRUE(sameDayTime(entries[0].time, before, after));
    // Plain numbers in the time stamp: no padding anywhere.
    const std::string stamp =
        std::to_string(entries[0].time.wYear) + "/" + std::to_string(entries[0].time.wMonth) + "/" +
        std::to_string(entries[0].time.wDay) + " " + std::to_string(entries[0].time.wHour) + ":" +
        std::to_string(entries[0].time.wMinute) + ":" + std::to_string(entries[0].time.wSecond) +
        "." + std::to_string(entries[0].time.wMilliseconds);
    EXPECT_EQ(written, "<" + stamp + "> " + here.file_name() + "(" +
                           std::to_string(here.line() + 1) + ")====================\r\n" +
                           "一行目\r\n二行目\r\n\r\n");
}

TEST_F(LogTest, EmptyMessageKeepsItsHeaderAndBlankLine) {
    SetLogging(true);
    const std::size_t start = onlyLog().size();
    WriteLog([] { return std::string(); });
    const std::string written = onlyLog().substr(start);
    EXPECT_TRUE(
        std::regex_match(written, std::regex("<[^>]+> [^\r\n]+\\([0-9]+\\)={20}\r\n\r\n\r\n")))
        << written;
    const std::vector<LogEntry> entries = logEntries(written);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].message, "");
}

TEST_F(LogTest, MessagesAreBuiltOnlyWhileOnAndOnlyOnItsOwnThread) {
    int built = 0;
    const auto message = [&built] {
        ++built;
        return "built";
    };
    WriteLog(message);
    SetLogging(true);
    WriteLog(message);
    std::thread([&message] { WriteLog(message); }).join();
    SetLogging(false);
    WriteLog(message);
    EXPECT_EQ(built, 1);
    const std::vector<LogEntry> entries = logEntries(onlyLog());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].message, "built");
}

TEST_F(LogTest, FormatFormFillsEachPlaceholderWithItsArgumentsText) {
    SetLogging(true);
    const std::size_t start = onlyLog().size();
    const std::source_location here = std::source_location::current();
    WriteLog("args -> %s", std::vector<std::string>{"Z:\\t\\tavrin.exe", "二 語"});
    WriteLog("%s%% %s %s|%s|%s", 100, true, 2.5, std::string_view("表"),
             TavrinException("月の値が不正(13)", CODE::DATE_MONTH));
    WriteLog("none");
    const std::vector<LogEntry> entries = logEntries(onlyLog().substr(start));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].message, "args -> [\"Z:\\t\\tavrin.exe\", \"二 語\"]");
    EXPECT_EQ(entries[0].line, here.line() + 1);
    EXPECT_EQ(entries[0].file, here.file_name());
    EXPECT_TRUE(
        std::regex_match(entries[1].message, std::regex("100% true 2\\.5\\|表\\|[^\n]+\\([0-9]+\\) "
                                                        "月の値が不正\\(13\\)\\[16\\] [0-9/: .]+")))
        << entries[1].message;
    EXPECT_EQ(entries[2].message, "none");
}

TEST(LogFormat, TextsOfValuesAndPlaceholders) {
    EXPECT_EQ(formatLog("a %s b %s", {"1", "2"}), "a 1 b 2");
    EXPECT_EQ(formatLog("100%%", {}), "100%");
    EXPECT_EQ(formatLog("%s%s", {"", "x"}), "x");
    EXPECT_EQ(logText(std::vector<int>{1, -2}), "[1, -2]");
    EXPECT_EQ(logText(std::vector<std::string>{}), "[]");
    EXPECT_EQ(logText(false), "false");
    EXPECT_EQ(logText(std::runtime_error("open failed")), "open failed");
    EXPECT_EQ(logText(DateTime(2008, 1, 2, 9, 5, 3, 7)), "2008/1/2(水) 9:5:3.7");
}

TEST_F(LogTest, SecondStartInTheSameSecondTruncatesTheFirstFile) {
    // The two starts may fall on both sides of a second: try until they share one.
    for (int attempt = 0; attempt < 20; ++attempt) {
        SetLogging(true);
        WriteLog([] { return "first run"; });
        SetLogging(false);
        SetLogging(true);
        SetLogging(false);
        const auto files = filesIn(folder);
        if (files.size() == 1) {
            const std::vector<LogEntry> entries = logEntries(readBytes(files.front()));
            ASSERT_EQ(entries.size(), 2u);
            EXPECT_TRUE(entries[0].message.starts_with("Log Start."));
            EXPECT_EQ(entries[1].message, "Log End.");
            return;
        }
        std::filesystem::remove_all(folder);
    }
    FAIL() << "no two starts within one second";
}

TEST_F(LogTest, StartWhileOnEndsTheOpenLogFirst) {
    SetLogging(true);
    SetLogging(true);
    SetLogging(false);
    // Both starts may share a file name (the second truncating the first) or not.
    for (const auto& file : filesIn(folder)) {
        const std::vector<LogEntry> entries = logEntries(readBytes(file));
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_TRUE(entries[0].message.starts_with("Log Start."));
        EXPECT_EQ(entries[1].message, "Log End.");
    }
}

TEST_F(LogTest, FolderThatCannotBeMadeRaisesAndLeavesTheLogOff) {
    systemtest::writeBytes(temp.path() / L"file", "x");
    StaticData::Values values;
    values.LogFolder = utf8(temp.path() / L"file" / L"log") + "\\";
    StaticData::initialize(values);
    EXPECT_THROW(SetLogging(true), TavrinException);
    EXPECT_FALSE(isLogging());
    bool built = false;
    WriteLog([&built] {
        built = true;
        return "";
    });
    EXPECT_FALSE(built);
}

TEST_F(LogTest, FileThatCannotBeOpenedRaisesAndLeavesTheLogOff) {
    // Files by the names of these seconds, held open without sharing: every start fails.
    std::filesystem::create_directories(folder);
    std::vector<HANDLE> held;
    const SystemTime now = currentLocalTime();
    for (int second = 0; second < 3; ++second) {
        const DateTime moment(toTimeValue(now) + 1000 * second);
        const std::wstring name = system::toWide(moment.format(
            DateTime::MASK::ALL, DateTime::plainMonthNames(), DateTime::japaneseWeekNames(),
            "[YYYY]-[M]-[DD]([W]) [hh]-[mm]-[ss].log"));
        held.push_back(CreateFileW((folder / name).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(held.back(), INVALID_HANDLE_VALUE);
    }
    EXPECT_THROW(SetLogging(true), TavrinException);
    EXPECT_FALSE(isLogging());
    for (const HANDLE file : held) {
        CloseHandle(file);
    }
}

TEST_F(LogTest, FolderWithoutTrailingBackslashHoldsTheFile) {
    StaticData::Values values;
    values.LogFolder = utf8(folder);
    StaticData::initialize(values);
    SetLogging(true);
    SetLogging(false);
    EXPECT_EQ(filesIn(temp.path()), std::vector<std::filesystem::path>{folder});
    EXPECT_EQ(filesIn(folder).size(), 1u);
}

} // namespace
} // namespace tavrin::system
