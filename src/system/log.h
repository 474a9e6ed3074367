#pragma once

#include <concepts>
#include <cstddef>
#include <exception>
#include <source_location>
#include <string>
#include <string_view>
#include <type_traits>

#include "system/logformat.h"

namespace tavrin::system {

namespace logstate {
// One per thread: only the thread that started the log writes; on any other thread the
// log is off.
inline thread_local bool enabled = false;
} // namespace logstate

// The text that follows "Log Start." in a log's first entry (the system report, given by
// the program's entry, which knows more of the system than this floor does).
using LogStartReport = std::string (*)();

// With true, starts a log file named after the current time in StaticData's log folder
// (made with its missing parents) and writes "Log Start." with the report, when one is
// given; with false, writes "Log End." and closes the file when one is open. Raises
// TavrinException when the folder cannot be made or the file cannot be opened; the log
// stays off then.
void SetLogging(bool enabled, LogStartReport report = nullptr);

inline bool isLogging() noexcept {
    return logstate::enabled;
}

// Entries that could not be written (or built) since the log started. Logging never raises:
// a failed entry is counted here instead, and the log says once, in the next entry it can
// write, how many were lost and why the first was.
std::size_t lostLogEntries() noexcept;

namespace logstate {
// The entry's header line, stamped now, for a call at where.
std::string entryHeader(const std::source_location& where);
// Writes header, message and the line ends of one entry at once.
void writeEntry(const std::string& header, std::string_view message);
// Counts an entry that failed while it was built or written.
void entryLost(std::exception_ptr failure) noexcept;
} // namespace logstate

// Writes one entry when the log is on. The message is built only then: a disabled log costs
// one flag test.
template <typename Message>
requires std::invocable<Message&> &&
    std::convertible_to<std::invoke_result_t<Message&>, std::string_view>
void WriteLog(Message&& message,
              std::source_location where = std::source_location::current()) noexcept {
    if (!isLogging()) {
        return;
    }
    try {
        const std::string header = logstate::entryHeader(where);
        logstate::writeEntry(header, message());
    } catch (...) {
        logstate::entryLost(std::current_exception());
    }
}

// The same with a message made from a format and arguments, formatted only when the log is
// on: WriteLog("args -> %s", arguments).
template <typename... Args>
void WriteLog(LogFormat<std::type_identity_t<Args>...> format, const Args&... args) noexcept {
    if (!isLogging()) {
        return;
    }
    try {
        const std::string header = logstate::entryHeader(format.where());
        logstate::writeEntry(header, formatLog(format.text(), {logText(args)...}));
    } catch (...) {
        logstate::entryLost(std::current_exception());
    }
}

// For a resource holder's destructor: writes a release the system refused to the log.
void logRefusedRelease(const std::exception& refused) noexcept;

} // namespace tavrin::system
