#include "shell/path.h"

#include <initializer_list>
#include <optional>

#include "system/longpath.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "system/win32.h"

namespace tavrin::shell {

using system::apiPath;
using system::CODE;
using system::fullPath;

namespace {

// The longest path the system accepts at all.
constexpr std::size_t longestPath = 32767;

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
        system::systemMessage(error) + "(" + system::toUtf8(path) + ")", CODE::FILE);
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

} // namespace tavrin::shell
