#pragma once

#include <concepts>
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

// With true, starts a log file named after the current time in StaticData's log folder
// (made with its missing parents) and writes "Log Start." with the system report; with
// false, writes "Log End." and closes the file when one is open. Raises TavrinException
// when the folder cannot be made or the file cannot be opened; the log stays off then.
void SetLogging(bool enabled);

inline bool isLogging() noexcept {
    return logstate::enabled;
}

// The entry's header line, stamped now, for a call at where.
std::string logEntryHeader(const std::source_location& where);
// Writes header, message and the line ends of one entry at once.
void writeLogEntry(const std::string& header, std::string_view message);

// Writes one entry when the log is on. The message is built only then: a disabled log costs
// one flag test.
template <typename Message>
requires std::invocable<Message&> &&
    std::convertible_to<std::invoke_result_t<Message&>, std::string_view>
void WriteLog(Message&& message, std::source_location where = std::source_location::current()) {
    if (!isLogging()) {
        return;
    }
    const std::string header = logEntryHeader(where);
    writeLogEntry(header, message());
}

// The same with a message made from a format and arguments, formatted only when the log is
// on: WriteLog("args -> %s", arguments).
template <typename... Args>
void WriteLog(LogFormat<std::type_identity_t<Args>...> format, const Args&... args) {
    if (!isLogging()) {
        return;
    }
    const std::string header = logEntryHeader(format.where());
    writeLogEntry(header, formatLog(format.text(), {logText(args)...}));
}

// For a resource holder's destructor: writes a release the system refused to the log.
void logRefusedRelease(const std::exception& refused) noexcept;

} // namespace tavrin::system
