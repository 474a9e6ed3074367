#include "file/rawfile.h"
#include "file/rawfilesteps.h"

#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "system/longpath.h"
#include "system/systemmessage.h"
#include "system/unicode.h"
#include "system/win32.h"

namespace tavrin::file {
namespace {

using system::apiPath;
using system::fullPath;

[[noreturn]] void fail(const char* operation, const std::string& path, DWORD code) {
    throw FileError(std::string(operation) + " \"" + path + "\": " + system::systemMessage(code) +
                        " (system code " + std::to_string(code) + ")",
                    path, static_cast<int>(code));
}

std::wstring toWide(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    if (path.size() > INT_MAX) {
        fail("cannot use the path", path.substr(0, 260), ERROR_FILENAME_EXCED_RANGE);
    }
    const int length = static_cast<int>(path.size());
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), length, nullptr, 0);
    if (size == 0) {
        fail("cannot use the path", path, GetLastError());
    }
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), length, result.data(), size);
    return result;
}

// A path as the file functions take it, at any length.
std::wstring systemPath(const std::string& path) {
    const std::wstring wide = toWide(path);
    const std::wstring shortForm = apiPath(wide);
    if (shortForm == wide) {
        return wide;
    }
    const std::optional<std::wstring> full = fullPath(wide);
    if (!full) {
        fail("cannot use the path", path, GetLastError());
    }
    return apiPath(*full);
}

class Handle {
public:
    explicit Handle(HANDLE handle) noexcept : handle_(handle) {}
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle& operator=(Handle&&) = delete;
    ~Handle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }

    HANDLE get() const noexcept { return handle_; }
    bool valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    bool close() noexcept {
        return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE;
    }

private:
    HANDLE handle_;
};

// The temporary file beside the target, open for writing; closed and removed unless it
// has become the target or is kept (an open file cannot be removed).
class Temporary {
public:
    Temporary(std::wstring path, Handle file) : path_(std::move(path)), file_(std::move(file)) {}
    Temporary(Temporary&& other) noexcept
        : path_(std::move(other.path_)), file_(std::move(other.file_)),
          kept_(std::exchange(other.kept_, true)) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (file_.valid()) {
            file_.close();
        }
        if (!kept_) {
            DeleteFileW(path_.c_str());
        }
    }

    // Returns ERROR_SUCCESS or the code of the first failure.
    DWORD write(std::string_view bytes) {
        while (!bytes.empty()) {
            const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : DWORD(bytes.size());
            DWORD written = 0;
            if (!WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr)) {
                return GetLastError();
            }
            bytes.remove_prefix(written);
        }
        if (!FlushFileBuffers(file_.get()) || !file_.close()) {
            return GetLastError();
        }
        return ERROR_SUCCESS;
    }

    DWORD moveTo(const std::wstring& target) {
        if (!MoveFileExW(path_.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return GetLastError();
        }
        keep();
        return ERROR_SUCCESS;
    }

    void keep() noexcept { kept_ = true; }

private:
    std::wstring path_;
    Handle file_;
    bool kept_ = false;
};

Temporary writtenTemporary(const std::string& name, const std::string& target,
                           std::string_view bytes) {
    std::wstring path = systemPath(name);
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        fail("cannot create a temporary file to save", target, GetLastError());
    }
    Temporary temporary(std::move(path), std::move(file));
    if (const DWORD code = temporary.write(bytes); code != ERROR_SUCCESS) {
        fail("cannot write a temporary file to save", target, code);
    }
    return temporary;
}

// Where a path's name starts: after its last separator of either kind.
std::size_t nameStart(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

// A process that cannot be opened for lack of rights still runs.
bool processRuns(DWORD id) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool runs = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return runs;
}

int codeOf(BOOL succeeded) {
    return succeeded ? 0 : static_cast<int>(GetLastError());
}

} // namespace

namespace steps {

std::string besideName(const std::string& target, std::string_view extension) {
    return target + "." + std::to_string(GetCurrentProcessId()) + "." + std::string(extension);
}

void writeTemporary(const std::string& temporary, const std::string& target,
                    std::string_view bytes) {
    writtenTemporary(temporary, target, bytes).keep();
}

int replaceKeepingBackup(const std::string& target, const std::string& replacement,
                         const std::string& backup) {
    const std::wstring replaced = systemPath(target);
    // The replacement may move a folder in the target's place aside as the backup and put the
    // file there; it is refused as a move onto a folder is.
    const DWORD attributes = GetFileAttributesW(replaced.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    // Unlike a move, the replacement keeps the old file's attributes and access rights.
    return codeOf(ReplaceFileW(replaced.c_str(), systemPath(replacement).c_str(),
                               systemPath(backup).c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                               nullptr));
}

int moveOver(const std::string& from, const std::string& to) {
    return codeOf(MoveFileExW(systemPath(from).c_str(), systemPath(to).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

void raise(const char* operation, const std::string& path, int code) {
    fail(operation, path, static_cast<DWORD>(code));
}

void removeQuietly(const std::string& path) noexcept {
    try {
        DeleteFileW(systemPath(path).c_str());
    } catch (...) {
        // A path that cannot be converted names no file that this process made.
    }
}

// Every move was written through.
void flushFolderOf(const std::string&) {}

void removeStaleTemporaries(const std::string& target) noexcept {
    try {
        const std::string folder = target.substr(0, nameStart(target));
        const std::string_view name = std::string_view(target).substr(nameStart(target));
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW(systemPath(target + ".*.tmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return;
        }
        std::vector<std::string> stale;
        do {
            // The pattern also matches short names: the long name decides.
            const std::string entry = system::toUtf8(found.cFileName);
            const auto owner = temporaryOwner(name, entry);
            if (owner && !processRuns(*owner)) {
                stale.push_back(folder + entry);
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        for (const std::string& path : stale) {
            DeleteFileW(systemPath(path).c_str());
        }
    } catch (...) {
        // A path that cannot be converted or no memory: the stale files wait for the next save.
    }
}

} // namespace steps

std::optional<FileHint> fileHint(const std::string& path) noexcept {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    try {
        if (!GetFileAttributesExW(systemPath(path).c_str(), GetFileExInfoStandard, &data)) {
            return std::nullopt;
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const auto wide = [](DWORD high, DWORD low) {
        return (static_cast<std::uint64_t>(high) << 32) | low;
    };
    return FileHint{wide(data.nFileSizeHigh, data.nFileSizeLow),
                    static_cast<std::int64_t>(wide(data.ftLastWriteTime.dwHighDateTime,
                                                   data.ftLastWriteTime.dwLowDateTime))};
}

bool fileMissing(const std::string& path) {
    if (GetFileAttributesW(systemPath(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
        return true;
    }
    fail("cannot look at", path, code);
}

std::string readFile(const std::string& path) {
    Handle in(CreateFileW(systemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.valid()) {
        fail("cannot open", path, GetLastError());
    }
    std::string bytes;
    LARGE_INTEGER size;
    if (GetFileSizeEx(in.get(), &size) && size.QuadPart > 0) {
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in.get(), chunk, sizeof chunk, &got, nullptr)) {
            fail("cannot read", path, GetLastError());
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(chunk, got);
    }
}

void replaceFile(const std::string& path, std::string_view bytes) {
    const std::wstring target = systemPath(path);
    Temporary temporary = writtenTemporary(steps::besideName(path, "tmp"), path, bytes);
    if (const DWORD code = temporary.moveTo(target); code != ERROR_SUCCESS) {
        fail("cannot replace", path, code);
    }
    steps::removeStaleTemporaries(path);
}

} // namespace tavrin::file
