#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "system/timer.h"
#include "testfiles.h"

namespace tavrin::systemtest {

struct LogEntry {
    system::SystemTime time; // day of week not set
    std::string file;
    unsigned line = 0;
    std::string message;
};

// The entries of a log file; anything that is not an entry in the exact form fails the test.
std::vector<LogEntry> logEntries(const std::string& log);

// The messages of the entries, in order.
std::vector<std::string> logMessages(const std::vector<LogEntry>& entries);

// A log file's name: "[YYYY]-[M]-[DD]([W]) [hh]-[mm]-[ss].log".
inline const char* const logFileNamePattern =
    "([0-9]{4})-([1-9][0-9]?)-([0-9]{2})\\((.+)\\) ([0-9]{2})-([0-9]{2})-([0-9]{2})\\.log";

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder);

// A log started in a folder of its own for the length of a test.
class TestLog {
public:
    TestLog();
    ~TestLog();
    TestLog(const TestLog&) = delete;
    TestLog& operator=(const TestLog&) = delete;

    // Ends the log; the entries between "Log Start." and "Log End.".
    std::vector<LogEntry> end();

private:
    TempFolder temp_;
};

} // namespace tavrin::systemtest
