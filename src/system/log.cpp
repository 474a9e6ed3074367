#include "system/log.h"

#include "file/path.h"
#include "system/staticdata.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/timer.h"
#include "system/win32.h"
#include "utility/simple/sysinfo.h"
#include "utility/unicode.h"

namespace tavrin::system {

namespace {

constexpr std::string_view fileNameMask = "[YYYY]-[M]-[DD]([W]) [hh]-[mm]-[ss].log";
constexpr std::string_view stampMask = "[YYYY]/[M]/[D] [h]:[m]:[s].[ms]";
constexpr std::string_view lineEnd = "\r\n";

// The open log file of this thread, or none.
thread_local HANDLE logFile = nullptr;

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

// Closes the file even when the last entry could not be written.
class LogCloser {
public:
    LogCloser() = default;
    LogCloser(const LogCloser&) = delete;
    LogCloser& operator=(const LogCloser&) = delete;
    ~LogCloser() {
        CloseHandle(logFile);
        logFile = nullptr;
        logstate::enabled = false;
    }
};

void endLog() {
    const LogCloser closer;
    WriteLog([] { return "Log End."; });
}

// The file is shared for reading only: a second run started in the same second cannot
// truncate a log that is still being written.
HANDLE openLogFile(const std::string& path) {
    const HANDLE file = CreateFileW(utility::toWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw TavrinException(systemMessage(GetLastError()) + "(" + path + ")");
    }
    return file;
}

void startLog() {
    const DateTime now;
    std::string path = StaticData::LogFolder();
    file::createFolder(utility::toWide(path));
    if (!path.ends_with('\\')) {
        path += '\\';
    }
    path += formatted(now, fileNameMask);
    logFile = openLogFile(path);
    logstate::enabled = true;
    try {
        WriteLog([] { return "Log Start." + std::string(lineEnd) + utility::SystemReport(); });
    } catch (...) {
        const LogCloser closer;
        throw;
    }
}

} // namespace

void SetLogging(bool enabled) {
    if (logFile) {
        endLog();
    }
    logstate::enabled = false;
    if (enabled) {
        startLog();
    }
}

std::string logEntryHeader(const std::source_location& where) {
    return "<" + formatted(DateTime(), stampMask) + "> " + where.file_name() + "(" +
           std::to_string(where.line()) + ")" + std::string(20, '=') + std::string(lineEnd);
}

void writeLogEntry(const std::string& header, std::string_view message) {
    std::string entry = header;
    entry.append(message).append(lineEnd).append(lineEnd);
    // One write per entry: nothing stays buffered in the program.
    writeAll(entry);
}

void logRefusedRelease(const std::exception& refused) noexcept {
    try {
        WriteLog([&refused] { return throwableText(refused); });
    } catch (...) {
        // A log that cannot be written has nobody left to tell.
    }
}

} // namespace tavrin::system
