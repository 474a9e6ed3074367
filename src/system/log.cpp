#include "system/log.h"

#include "system/folder.h"
#include "system/staticdata.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/timer.h"
#include "system/unicode.h"
#include "system/win32.h"

namespace tavrin::system {

namespace {

constexpr std::string_view fileNameMask = "[YYYY]-[M]-[DD]([W]) [hh]-[mm]-[ss].log";
constexpr std::string_view stampMask = "[YYYY]/[M]/[D] [h]:[m]:[s].[ms]";
constexpr std::string_view lineEnd = "\r\n";

// The open log file of this thread, or none.
thread_local HANDLE logFile = nullptr;

// Entries lost since the log started, and those of them the log has not told of yet.
thread_local std::size_t lostEntries = 0;
thread_local std::size_t untoldLosses = 0;
thread_local std::string firstUntoldLoss;

std::string formatted(const DateTime& time, std::string_view mask) {
    return time.format(time.maskKind(), time.monthNames(), time.weekNames(), mask);
}

void writeAll(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(logFile, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr)) {
            throw TavrinException("log: " + systemMessage(GetLastError()));
        }
        bytes.remove_prefix(written);
    }
}

// Header, message and the line ends of one entry, written at once: nothing stays buffered in
// the program.
void writeFramed(const std::string& header, std::string_view message) {
    std::string entry = header;
    entry.append(message).append(lineEnd).append(lineEnd);
    writeAll(entry);
}

void closeLog() noexcept {
    CloseHandle(logFile);
    logFile = nullptr;
    logstate::enabled = false;
}

// The file is shared for reading only: a second run started in the same second cannot
// truncate a log that is still being written.
HANDLE openLogFile(const std::string& path) {
    const HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw TavrinException(systemMessage(GetLastError()) + "(" + path + ")");
    }
    return file;
}

void startLog(LogStartReport report) {
    const DateTime now;
    std::string path = StaticData::LogFolder();
    createFolder(toWide(path));
    if (!path.ends_with('\\')) {
        path += '\\';
    }
    path += formatted(now, fileNameMask);
    logFile = openLogFile(path);
    logstate::enabled = true;
    lostEntries = 0;
    untoldLosses = 0;
    const std::string start =
        report ? "Log Start." + std::string(lineEnd) + report() : std::string("Log Start.");
    try {
        logstate::writeEntry(logstate::entryHeader(std::source_location::current()), start);
    } catch (...) {
        closeLog();
        throw;
    }
}

// Once after a loss, so that a reader of the log knows entries are missing and why.
void tellLosses() {
    if (untoldLosses == 0) {
        return;
    }
    const std::string message =
        std::to_string(untoldLosses) + " log entries were lost; the first: " + firstUntoldLoss;
    writeFramed(logstate::entryHeader(std::source_location::current()), message);
    untoldLosses = 0;
}

} // namespace

void SetLogging(bool enabled, LogStartReport report) {
    if (logFile) {
        WriteLog([] { return "Log End."; });
        closeLog();
    }
    logstate::enabled = false;
    if (enabled) {
        startLog(report);
    }
}

std::size_t lostLogEntries() noexcept {
    return lostEntries;
}

namespace logstate {

std::string entryHeader(const std::source_location& where) {
    return "<" + formatted(DateTime(), stampMask) + "> " + where.file_name() + "(" +
           std::to_string(where.line()) + ")" + std::string(20, '=') + std::string(lineEnd);
}

void writeEntry(const std::string& header, std::string_view message) {
    tellLosses();
    writeFramed(header, message);
}

void entryLost(std::exception_ptr failure) noexcept {
    ++lostEntries;
    if (untoldLosses++ > 0) {
        return;
    }
    try {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& lost) {
            firstUntoldLoss = throwableText(lost);
        } catch (...) {
            firstUntoldLoss = "an unknown object was thrown";
        }
    } catch (...) {
        // Out of memory for the reason: the count still tells.
        firstUntoldLoss.clear();
    }
}

} // namespace logstate

void logRefusedRelease(const std::exception& refused) noexcept {
    WriteLog([&refused] { return throwableText(refused); });
}

} // namespace tavrin::system
