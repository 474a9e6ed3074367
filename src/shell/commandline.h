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

// Whether the program of an unquoted command line is written as a path (it begins with a drive
// and a colon or with "\\", or holds a backslash) rather than as a name for the shell to find
// (a program name, an address with a scheme). Such a program is started only when a file of
// exactly that name exists: the shell would try "C:\Tools\My.exe" for the first word of
// "C:\Tools\My Tools\tool.exe", and add extensions.
bool programIsPath(std::string_view program) noexcept;

} // namespace tavrin::shell
