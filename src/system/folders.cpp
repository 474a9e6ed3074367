#include "system/folders.h"

#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "utility/unicode.h"

namespace tavrin::system {

namespace {

// Paths from this length on need the "\\?\" form for CreateDirectoryW (which keeps room
// for an 8.3 file name below the classic MAX_PATH limit).
constexpr std::size_t longFolderLength = MAX_PATH - 12;
// The longest path the system accepts at all.
constexpr std::size_t longestPath = 32767;

[[noreturn]] void raiseFolderFailure(DWORD error, std::wstring_view folder) {
    throw TavrinException(systemMessage(error) + "(" + utility::toUtf8(folder) + ")");
}

std::wstring fullPath(std::string_view path) {
    const std::wstring wide = utility::toWide(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            raiseFolderFailure(GetLastError(), wide);
        }
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

// The length of the part that names a drive or share ("C:\", "\\server\share\",
// "\\?\C:\", "\\?\UNC\server\share\"), which is never created.
std::size_t rootLength(std::wstring_view path) {
    const auto afterComponents = [path](std::size_t from, int count) {
        for (; count > 0; --count) {
            const std::size_t separator = path.find(L'\\', from);
            if (separator == std::wstring_view::npos) {
                return path.size();
            }
            from = separator + 1;
        }
        return from;
    };
    if (path.starts_with(L"\\\\?\\UNC\\")) {
        return afterComponents(8, 2);
    }
    if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) {
        return afterComponents(4, 1);
    }
    if (path.starts_with(L"\\\\")) {
        return afterComponents(2, 2);
    }
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') {
        return 3;
    }
    return 0;
}

// The form of a full path that the file functions take at any length.
std::wstring apiPath(std::wstring_view full) {
    if (full.size() < longFolderLength || full.starts_with(L"\\\\?\\") ||
        full.starts_with(L"\\\\.\\")) {
        return std::wstring(full);
    }
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + std::wstring(full.substr(2));
    }
    return L"\\\\?\\" + std::wstring(full);
}

bool isDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ensureFolder(std::wstring_view folder) {
    const std::wstring path = apiPath(folder);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            return;
        }
        raiseFolderFailure(ERROR_ALREADY_EXISTS, folder);
    }
    if (CreateDirectoryW(path.c_str(), nullptr)) {
        return;
    }
    const DWORD error = GetLastError();
    // Another process may have created it in the meantime.
    if (error == ERROR_ALREADY_EXISTS && isDirectory(path)) {
        return;
    }
    raiseFolderFailure(error, folder);
}

} // namespace

std::string programPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            break;
        }
        if (length < path.size()) {
            path.resize(length);
            return utility::toUtf8(path);
        }
        if (path.size() > longestPath) {
            break;
        }
        path.resize(path.size() * 2);
    }
    throw TavrinException("自分の居場所さえ分からない", CODE::TAVRIN_MYPATH);
}

std::string folderOf(std::string_view path) {
    const std::size_t separator = path.rfind('\\');
    return separator == std::string_view::npos ? std::string()
                                               : std::string(path.substr(0, separator + 1));
}

void createFolder(std::string_view path) {
    std::wstring full = fullPath(path);
    const std::size_t root = rootLength(full);
    while (full.size() > root && full.back() == L'\\') {
        full.pop_back();
    }
    for (std::size_t from = root; from < full.size();) {
        std::size_t end = full.find(L'\\', from);
        if (end == std::wstring::npos) {
            end = full.size();
        }
        if (end > from) {
            ensureFolder(std::wstring_view(full).substr(0, end));
        }
        from = end + 1;
    }
}

} // namespace tavrin::system
