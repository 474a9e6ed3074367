#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "etc/drevak/drevakexception.h"
#include "logfiles.h"
#include "system/tavrinerrors.h"
#include "tavrin/guard.h"

namespace tavrin {
namespace {

using system::CODE;
using system::TavrinError;
using system::TavrinException;

struct ScriptedSession final : Session {
    std::function<void()> onStart = [] {};
    std::function<int()> onRun = [] { return 0; };
    std::function<void()> onSave = [] {};
    int saves = 0;

    void start() override { onStart(); }
    int run() override { return onRun(); }
    void save() override {
        ++saves;
        onSave();
    }
};

struct RecordingReporter final : Reporter {
    std::vector<std::string> shown;

    void showException(const TavrinException& exception) override {
        shown.push_back("exception: " + exception.toString());
    }
    void showError(const std::exception& error) override {
        shown.push_back("error: " + system::throwableText(error));
    }
    void showOther(std::string_view text) override {
        shown.push_back("other: " + std::string(text));
    }
    void showWarning(std::string_view text) override {
        shown.push_back("warning: " + std::string(text));
    }
};

TEST(Guard, NormalRunSavesAndReturnsTheLoopResult) {
    ScriptedSession session;
    session.onRun = [] { return 3; };
    RecordingReporter reporter;
    EXPECT_EQ(runGuarded(session, reporter), 3);
    EXPECT_EQ(session.saves, 1);
    EXPECT_TRUE(reporter.shown.empty());
}

TEST(Guard, TavrinExceptionFromTheLoopGivesItsCodeAndNothingIsSaved) {
    ScriptedSession session;
    session.onRun = []() -> int { throw TavrinException("ファイル実行例外", CODE::FILE); };
    RecordingReporter reporter;
    EXPECT_EQ(runGuarded(session, reporter), 22);
    EXPECT_EQ(session.saves, 0);
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_TRUE(reporter.shown[0].starts_with("exception: ")) << reporter.shown[0];
    EXPECT_NE(reporter.shown[0].find(") ファイル実行例外[22] "), std::string::npos)
        << reporter.shown[0];
}

TEST(Guard, OtherExceptionsFromTheLoopGiveMinusOneAndNothingIsSaved) {
    const std::vector<std::function<int()>> failures{
        []() -> int { throw TavrinError("壊れた", CODE::GUI); },
        []() -> int { throw drevak::DrevakException("いやいや、むりむり"); },
        []() -> int { throw std::runtime_error("open failed"); },
    };
    for (const auto& failure : failures) {
        ScriptedSession session;
        session.onRun = failure;
        RecordingReporter reporter;
        EXPECT_EQ(runGuarded(session, reporter), -1);
        EXPECT_EQ(session.saves, 0);
        ASSERT_EQ(reporter.shown.size(), 1u);
        EXPECT_TRUE(reporter.shown[0].starts_with("error: ")) << reporter.shown[0];
    }
}

TEST(Guard, TavrinExceptionBeforeTheLoopReachesTheOuterLayer) {
    ScriptedSession session;
    session.onStart = [] {
        throw TavrinException("自分の居場所さえ分からない", CODE::TAVRIN_MYPATH);
    };
    RecordingReporter reporter;
    EXPECT_EQ(runGuarded(session, reporter), -1);
    EXPECT_EQ(session.saves, 0);
    ASSERT_EQ(reporter.shown.size(), 1u);
    EXPECT_NE(reporter.shown[0].find(") 自分の居場所さえ分からない[4] "), std::string::npos)
        << reporter.shown[0];
}

TEST(Guard, FailedSaveIsShownAndGivesMinusOne) {
    ScriptedSession session;
    session.onSave = [] { throw std::runtime_error("disk full"); };
    RecordingReporter reporter;
    EXPECT_EQ(runGuarded(session, reporter), -1);
    EXPECT_EQ(reporter.shown, std::vector<std::string>{"error: disk full"});
}

TEST(Guard, AnythingElseThrownGivesMinusTwoWithItsText) {
    ScriptedSession session;
    RecordingReporter reporter;
    session.onRun = []() -> int { throw "文字列"; };
    EXPECT_EQ(runGuarded(session, reporter), -2);
    session.onRun = []() -> int { throw std::string("text"); };
    EXPECT_EQ(runGuarded(session, reporter), -2);
    session.onStart = [] { throw 42; };
    EXPECT_EQ(runGuarded(session, reporter), -2);
    EXPECT_EQ(session.saves, 0);
    EXPECT_EQ(reporter.shown,
              (std::vector<std::string>{"other: 文字列", "other: text", "other: null"}));
}

TEST(Guard, ReporterThatFailsDoesNotEndTheProcess) {
    struct ThrowingReporter final : Reporter {
        void showException(const TavrinException&) override { throw std::runtime_error("no"); }
        void showError(const std::exception&) override { throw std::runtime_error("no"); }
        void showOther(std::string_view) override { throw 1; }
        void showWarning(std::string_view) override { throw 1; }
    } reporter;
    ScriptedSession session;
    session.onRun = []() -> int { throw TavrinException("x", CODE::GUI_CREATE); };
    // The middle layer's report fails: the outer layer takes over.
    EXPECT_EQ(runGuarded(session, reporter), -1);
    session.onRun = []() -> int { throw 5; };
    EXPECT_EQ(runGuarded(session, reporter), -2);
    EXPECT_EQ(session.saves, 0);
}

TEST(Guard, EveryLayerThatCatchesLogsTheCaughtObjectsText) {
    const TavrinException failure("ファイル実行例外", CODE::FILE);
    struct Case {
        const char* name;
        std::function<void()> onStart;
        std::function<int()> onRun;
        std::function<void()> onSave;
        std::vector<std::string> logged;
    };
    const auto none = [] {};
    const auto zero = [] { return 0; };
    const std::vector<Case> cases{
        {"normal run", none, zero, none, {}},
        // Innermost and middle layer.
        {"exception of the family from the loop",
         none,
         [&failure]() -> int { throw failure; },
         none,
         {failure.toString(), failure.toString()}},
        // Innermost and outer layer.
        {"other exception from the loop",
         none,
         []() -> int { throw std::runtime_error("open failed"); },
         none,
         {"open failed", "open failed"}},
        {"text thrown from the loop",
         none,
         []() -> int { throw "文字列"; },
         none,
         {"文字列", "文字列"}},
        // Outer layer alone.
        {"exception of the family before the loop",
         [&failure] { throw failure; },
         zero,
         none,
         {failure.toString()}},
        {"something else thrown before the loop", [] { throw 42; }, zero, none, {"null"}},
        {"failed save", none, zero, [] { throw std::runtime_error("disk full"); }, {"disk full"}},
    };
    for (const Case& c : cases) {
        systemtest::TestLog log;
        ScriptedSession session;
        session.onStart = c.onStart;
        session.onRun = c.onRun;
        session.onSave = c.onSave;
        RecordingReporter reporter;
        runGuarded(session, reporter);
        const std::vector<systemtest::LogEntry> entries = log.end();
        EXPECT_EQ(systemtest::logMessages(entries), c.logged) << c.name;
        for (const systemtest::LogEntry& entry : entries) {
            EXPECT_EQ(entry.file, "src/tavrin/guard.cpp") << c.name;
        }
        // Each layer names its own line.
        if (entries.size() == 2) {
            EXPECT_NE(entries[0].line, entries[1].line) << c.name;
        }
    }
}

} // namespace
} // namespace tavrin
