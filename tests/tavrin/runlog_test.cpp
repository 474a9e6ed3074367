#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "logfiles.h"
#include "system/log.h"
#include "system/staticdata.h"
#include "tavrin/runlog.h"

namespace tavrin {
namespace {

using systemtest::TempFolder;

struct ErrorReporter final : Reporter {
    std::vector<std::string> shown;
    bool fail = false;

    void showException(const system::TavrinException&) override { ADD_FAILURE(); }
    void showError(const std::exception& error) override {
        shown.push_back(system::throwableText(error));
        if (fail) {
            throw std::runtime_error("cannot show");
        }
    }
    void showOther(std::string_view) override { ADD_FAILURE(); }
    void showWarning(std::string_view) override { ADD_FAILURE(); }
};

class RunLogTest : public testing::Test {
protected:
    void useLogFolder(const std::filesystem::path& folder) {
        system::StaticData::Values values;
        values.LogFolder = systemtest::utf8(folder) + "\\";
        system::StaticData::initialize(values);
    }
    ~RunLogTest() override { endLog(); }

    TempFolder temp;
};

TEST_F(RunLogTest, LogThatCannotStartIsShownAndTheRunGoesOnWithoutIt) {
    systemtest::writeBytes(temp.path() / L"file", "x");
    useLogFolder(temp.path() / L"file" / L"log");
    for (const bool failingReporter : {false, true}) {
        ErrorReporter reporter;
        reporter.fail = failingReporter;
        EXPECT_NO_THROW(startLog(true, reporter));
        EXPECT_FALSE(system::isLogging());
        ASSERT_EQ(reporter.shown.size(), 1u);
        // The message, then the cause naming the folder on the next line.
        const std::string& text = reporter.shown[0];
        const std::size_t lineEnd = text.find('\n');
        ASSERT_NE(lineEnd, std::string::npos) << text;
        EXPECT_NE(text.substr(0, lineEnd).find(") ログを開始できません[0] "), std::string::npos)
            << text;
        EXPECT_NE(text.find(systemtest::utf8(temp.path() / L"file"), lineEnd), std::string::npos)
            << text;
    }
    EXPECT_NO_THROW(endLog());
}

TEST_F(RunLogTest, StartsOnlyWhenEnabledAndEndsWithItsMarker) {
    const std::filesystem::path folder = temp.path() / L"log";
    useLogFolder(folder);
    ErrorReporter reporter;
    startLog(false, reporter);
    EXPECT_FALSE(system::isLogging());
    EXPECT_FALSE(std::filesystem::exists(folder));

    startLog(true, reporter);
    EXPECT_TRUE(system::isLogging());
    endLog();
    EXPECT_FALSE(system::isLogging());
    endLog();
    EXPECT_TRUE(reporter.shown.empty());
    const auto files = systemtest::filesIn(folder);
    ASSERT_EQ(files.size(), 1u);
    const auto messages =
        systemtest::logMessages(systemtest::logEntries(systemtest::readBytes(files.front())));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].starts_with("Log Start.\r\n[OS]\r\n"));
    EXPECT_EQ(messages[1], "Log End.");
}

} // namespace
} // namespace tavrin
