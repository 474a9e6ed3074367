#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Command lines the launcher composes itself (the names dropped on a button, the folder handed
// to the folder program): what it means as N arguments must reach the started program as
// exactly those N arguments, whatever the names hold.
namespace tavrin::shell {

// How the program that is started splits its command line.
enum class LINE_READER {
    // The C runtimes and CommandLineToArgvW: blanks split, quotes group, backslashes escape a
    // quote.
    RUNTIME,
    // cmd.exe, which reads the line itself before a batch file sees its arguments: it acts on
    // "&", "|", "<", ">" and "^" outside quotes and expands "%" variables everywhere.
    CMD,
};

// One argument as the C runtimes read it back: as it stands when it is not empty and has no
// blank, tab, line end or quote; else in quotes, each quote escaped and the backslashes before
// a quote and before the closing quote doubled. alwaysQuoted quotes any argument.
std::string runtimeArgument(std::string_view argument, bool alwaysQuoted = false);

// One argument that cmd.exe leaves to the program as one: quoted unless it holds only
// letters, digits, non-ASCII text and symbols cmd gives no meaning; a quote doubled; each "%"
// written so that cmd's expansion gives it back unexpanded. Nothing when it holds a line end
// or a NUL, which end cmd's line whatever the quoting.
std::optional<std::string> cmdArgument(std::string_view argument);

// The arguments joined by single blanks, each made safe for the reader. When one cannot be
// passed safely, refused holds its index and line is empty.
struct ArgumentLine {
    std::string line;
    std::optional<std::size_t> refused;
};
ArgumentLine argumentLine(const std::vector<std::string>& arguments, LINE_READER reader);

} // namespace tavrin::shell
