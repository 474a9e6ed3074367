#include "logfiles.h"

#include <gtest/gtest.h>

#include <regex>

#include "system/log.h"
#include "system/staticdata.h"

namespace tavrin::systemtest {

std::vector<LogEntry> logEntries(const std::string& log) {
    static const std::regex header(
        "<([0-9]{4})/([1-9][0-9]?)/([1-9][0-9]?) ([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2})"
        "\\.([0-9]{1,3})> ([^\r\n]+)\\(([0-9]+)\\)={20}\r\n");
    std::vector<LogEntry> entries;
    std::size_t at = 0;
    while (at < log.size()) {
        std::smatch parts;
        if (!std::regex_search(log.begin() + static_cast<std::ptrdiff_t>(at), log.end(), parts,
                               header, std::regex_constants::match_continuous)) {
            ADD_FAILURE() << "no entry header at " << at << ": " << log.substr(at, 80);
            break;
        }
        const auto number = [&parts](int index) {
            return static_cast<std::uint16_t>(std::stoi(parts[index]));
        };
        LogEntry entry;
        entry.time = {number(1), number(2), 0,         number(3),
                      number(4), number(5), number(6), number(7)};
        entry.file = parts[8];
        entry.line = static_cast<unsigned>(std::stoul(parts[9]));
        const std::size_t body = at + static_cast<std::size_t>(parts.length(0));
        std::size_t end = log.find("\r\n\r\n<", body);
        if (end == std::string::npos) {
            EXPECT_TRUE(log.ends_with("\r\n\r\n")) << "the last entry is not complete";
            end = std::max(body, log.size() - 4);
        }
        entry.message = log.substr(body, end - body);
        entries.push_back(entry);
        at = end + 4;
    }
    return entries;
}

std::vector<std::string> logMessages(const std::vector<LogEntry>& entries) {
    std::vector<std::string> messages;
    for (const LogEntry& entry : entries) {
        messages.push_back(entry.message);
    }
    return messages;
}

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path());
    }
    return files;
}

TestLog::TestLog() {
    system::StaticData::Values values;
    values.LogFolder = temp_.text() + "\\";
    system::StaticData::initialize(values);
    system::SetLogging(true);
}

TestLog::~TestLog() {
    system::SetLogging(false);
}

std::vector<LogEntry> TestLog::end() {
    system::SetLogging(false);
    const auto files = filesIn(temp_.path());
    if (files.size() != 1) {
        ADD_FAILURE() << files.size() << " log files";
        return {};
    }
    std::vector<LogEntry> entries = logEntries(readBytes(files.front()));
    if (entries.size() < 2 || !entries.front().message.starts_with("Log Start.") ||
        entries.back().message != "Log End.") {
        ADD_FAILURE() << "the log does not go from start to end";
        return {};
    }
    return {entries.begin() + 1, entries.end() - 1};
}

} // namespace tavrin::systemtest
