#include "system/folder.h"

#include <optional>

#include "system/longpath.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "system/win32.h"

namespace tavrin::system {
namespace {

[[noreturn]] void raiseFolderFailure(DWORD error, std::wstring_view folder) {
    throw TavrinFolderException(systemMessage(error) + "(" + toUtf8(folder) + ")", CODE::FILE);
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

} // namespace tavrin::system
