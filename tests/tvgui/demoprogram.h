#pragma once

#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <memory>
#include <optional>

#include "system/tavrinerrors.h"
#include "system/win32.h"

// After the Windows headers it builds on.
#include <shellapi.h>

namespace tavrin::tvgui::demo {

// The milliseconds of the only argument, if any (0 without one); nothing for a malformed one.
inline std::optional<UINT> closeAfterArgument(int count, wchar_t** arguments) {
    if (count < 2) {
        return 0;
    }
    wchar_t* end = nullptr;
    errno = 0;
    const unsigned long value = std::wcstoul(arguments[1], &end, 10);
    if (count > 2 || end == arguments[1] || *end != L'\0' || errno != 0 ||
        arguments[1][0] == L'-' || value > USER_TIMER_MAXIMUM) {
        return std::nullopt;
    }
    return static_cast<UINT>(value);
}

// Runs a demo window program: show(closeAfter) shows the window until it closes itself after
// that many milliseconds (never, for 0) and gives the exit code. A malformed argument gets the
// usage and 2, a failure its text and 1.
template <typename Show> int runDemoProgram(const char* name, Show show) {
    int count = 0;
    const std::unique_ptr<wchar_t*, decltype(&LocalFree)> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    const std::optional<UINT> closeAfter =
        closeAfterArgument(arguments ? count : 0, arguments.get());
    if (!closeAfter) {
        std::fprintf(stderr,
                     "usage: %s [MILLISECONDS]\n"
                     "  MILLISECONDS: close the window after this many milliseconds "
                     "(a whole number; none keeps it open)\n",
                     name);
        return 2;
    }
    try {
        return show(*closeAfter);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", name, system::throwableText(failure).c_str());
        return 1;
    }
}

} // namespace tavrin::tvgui::demo
