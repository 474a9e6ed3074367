#include "shell/linereader.h"

#include <string>

#include "shell/shortcut.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "utility/pathrules.h"

#include <shellapi.h>

namespace tavrin::shell {
namespace {

bool sameText(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring_view fileName(std::wstring_view path) {
    const std::size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

bool namesCmd(std::wstring_view path) {
    const std::wstring_view name = fileName(path);
    return sameText(name, L"cmd") || sameText(name, L"cmd.exe");
}

// The program the shell's association runs for an existing file; empty when it has none.
std::wstring associatedProgram(const std::wstring& file) {
    wchar_t program[MAX_PATH]{};
    const auto result =
        reinterpret_cast<std::intptr_t>(FindExecutableW(file.c_str(), nullptr, program));
    return result > 32 ? std::wstring(program) : std::wstring();
}

// A shortcut's target, read without asking anyone; empty when it cannot be read.
std::wstring shortcutTarget(const std::wstring& shortcut) {
    try {
        Shortcut link(QUIET_RESOLVE);
        link.load(shortcut);
        return link.path();
    } catch (const system::TavrinException&) {
        return {};
    }
}

LINE_READER readerOf(std::wstring_view program, bool followShortcut) {
    const std::wstring extension = utility::extension(program);
    if (sameText(extension, L"bat") || sameText(extension, L"cmd") || namesCmd(program)) {
        return LINE_READER::CMD;
    }
    if (followShortcut && sameText(extension, L"lnk")) {
        const std::wstring target = shortcutTarget(std::wstring(program));
        // A shortcut to a shortcut is not followed further, as the shell does not.
        return target.empty() ? LINE_READER::RUNTIME : readerOf(target, false);
    }
    const std::wstring runner = associatedProgram(std::wstring(program));
    return !runner.empty() && namesCmd(runner) ? LINE_READER::CMD : LINE_READER::RUNTIME;
}

} // namespace

LINE_READER lineReaderOf(std::wstring_view program) {
    return readerOf(program, true);
}

} // namespace tavrin::shell
