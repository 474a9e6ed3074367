#include "file/path.h"

#include <initializer_list>
#include <optional>

#include "file/longpath.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "utility/unicode.h"

namespace tavrin::file {

using system::CODE;

namespace {

// The longest path the system accepts at all.
constexpr std::size_t longestPath = 32767;

[[noreturn]] void raiseFolderFailure(DWORD error, std::wstring_view folder) {
    throw system::TavrinFolderException(
        system::systemMessage(error) + "(" + utility::toUtf8(folder) + ")", CODE::FILE);
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

// The errors with which the system says that nothing exists at a path.
bool meansMissing(DWORD error) {
    for (const DWORD missing : {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_INVALID_NAME,
                                ERROR_BAD_PATHNAME, ERROR_INVALID_DRIVE, ERROR_BAD_NETPATH,
                                ERROR_BAD_NET_NAME, ERROR_DIRECTORY, ERROR_NOT_READY}) {
        if (error == missing) {
            return true;
        }
    }
    return false;
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

bool isFolder(std::wstring_view path) {
    const std::optional<std::wstring> full = fullPath(path);
    const DWORD attributes =
        full ? GetFileAttributesW(apiPath(*full).c_str()) : INVALID_FILE_ATTRIBUTES;
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
    const DWORD error = GetLastError();
    if (meansMissing(error)) {
        throw system::TavrinFileException("ファイル無い。", CODE::FILE_FOUND);
    }
    throw system::TavrinFileException(
        system::systemMessage(error) + "(" + utility::toUtf8(path) + ")", CODE::FILE);
}

void createFolder(std::wstring_view path) {
    std::optional<std::wstring> full = fullPath(path);
    if (!full) {
        raiseFolderFailure(GetLastError(), path);
    }
    const std::size_t root = rootLength(*full);
    while (full->size() > root && full->back() == L'\\') {
        full->pop_back();
    }
    for (std::size_t from = root; from < full->size();) {
        std::size_t end = full->find(L'\\', from);
        if (end == std::wstring::npos) {
            end = full->size();
        }
        if (end > from) {
            ensureFolder(std::wstring_view(*full).substr(0, end));
        }
        from = end + 1;
    }
}

std::wstring programPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            break;
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() > longestPath) {
            break;
        }
        path.resize(path.size() * 2);
    }
    throw system::TavrinException("自分の居場所さえ分からない", CODE::TAVRIN_MYPATH);
}

} // namespace tavrin::file
