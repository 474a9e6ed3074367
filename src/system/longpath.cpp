#include "system/longpath.h"

#include "system/win32.h"

namespace tavrin::system {
namespace {

// Paths from this length on need the "\\?\" form (CreateDirectoryW keeps room for an 8.3
// file name below the classic MAX_PATH limit; the other functions need less).
constexpr std::size_t longPathLength = MAX_PATH - 12;

} // namespace

std::optional<std::wstring> fullPath(std::wstring_view path) {
    const std::wstring given(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return std::nullopt;
        }
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

std::wstring apiPath(std::wstring_view full) {
    if (full.size() < longPathLength || full.starts_with(L"\\\\?\\") ||
        full.starts_with(L"\\\\.\\")) {
        return std::wstring(full);
    }
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + std::wstring(full.substr(2));
    }
    return L"\\\\?\\" + std::wstring(full);
}

} // namespace tavrin::system
