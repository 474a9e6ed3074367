#include "utility/pathrules.h"

namespace tavrin::utility {

namespace {

constexpr std::size_t none = std::wstring_view::npos;

std::wstring_view withoutTrailingBackslashes(std::wstring_view path) {
    const std::size_t last = path.find_last_not_of(L'\\');
    return last == none ? std::wstring_view() : path.substr(0, last + 1);
}

// Where the shell's PathFindExtension puts the extension: the last dot that no "\" or blank
// follows.
std::size_t extensionDot(std::wstring_view path) {
    std::size_t dot = none;
    for (std::size_t at = 0; at < path.size(); ++at) {
        if (path[at] == L'\\' || path[at] == L' ') {
            dot = none;
        } else if (path[at] == L'.') {
            dot = at;
        }
    }
    return dot;
}

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Where the shell's PathFindFileName puts the last component: after the last "\", "/" or
// ":" that a character other than a separator follows, so trailing separators stay with it.
std::size_t fileNameStart(std::wstring_view path) {
    std::size_t start = 0;
    for (std::size_t at = 0; at + 1 < path.size(); ++at) {
        if ((isSeparator(path[at]) || path[at] == L':') && !isSeparator(path[at + 1])) {
            start = at + 1;
        }
    }
    return start;
}

} // namespace

std::wstring addBackslash(std::wstring_view path) {
    std::wstring result(path);
    if (!result.empty() && result.back() != L'\\') {
        result += L'\\';
    }
    return result;
}

std::wstring removeBackslash(std::wstring_view path) {
    return std::wstring(withoutTrailingBackslashes(path));
}

std::wstring parentFolder(std::wstring_view path) {
    const std::wstring_view trimmed = withoutTrailingBackslashes(path);
    for (std::size_t at = trimmed.size(); at-- > 1;) {
        if (trimmed[at] == L'\\') {
            return std::wstring(trimmed.substr(0, at + 1));
        }
        if (trimmed[at] == L':') {
            return std::wstring(trimmed.substr(0, at + 1)) + L'\\';
        }
    }
    return {};
}

std::wstring extension(std::wstring_view path) {
    const std::size_t dot = extensionDot(path);
    return dot == none ? std::wstring() : std::wstring(path.substr(dot + 1));
}

std::wstring baseName(std::wstring_view path) {
    const std::wstring_view name = withoutTrailingBackslashes(path.substr(fileNameStart(path)));
    const std::size_t dot = extensionDot(path);
    // The dot and the extension run to the end of the path; when they are shorter than the
    // name they lie inside it and leave something before them.
    const std::size_t dotAndExtension = dot == none ? 0 : path.size() - dot;
    if (dotAndExtension > 0 && dotAndExtension < name.size()) {
        return std::wstring(name.substr(0, name.size() - dotAndExtension));
    }
    return std::wstring(name);
}

} // namespace tavrin::utility
