#pragma once

#include <string>
#include <string_view>

namespace tavrin::shell {

// What the shell is asked to start for an address that names nothing on disk.
struct CommandLine {
    std::string file;
    std::string parameters;
};

// The program is a leading double-quoted path without its quotes, or else the text before the
// first blank; the rest follows it, blanks that separate it from the program left out. The
// options come after the rest, one blank between them when both are there, so that neither
// runs into the other.
CommandLine splitCommandLine(std::string_view address, std::string_view options);

} // namespace tavrin::shell
