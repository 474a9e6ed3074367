#pragma once

#include <string_view>

#include "shell/argumentline.h"

namespace tavrin::shell {

// How the program that starting program runs splits its command line: cmd.exe's rules for a
// batch file (".bat", ".cmd"), for cmd itself, for a file whose association runs cmd and for
// a shortcut to any of these; the C runtimes' rules for everything else.
LINE_READER lineReaderOf(std::wstring_view program);

} // namespace tavrin::shell
