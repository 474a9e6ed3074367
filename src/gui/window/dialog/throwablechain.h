#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::gui {

// One throwable of a chain as the exception dialog shows it: its class name, its message and
// the facts below the message ("File: ...", "Line: ...", "Code: ...", "Time: ...").
struct ThrowableEntry {
    std::string className;
    std::string message;
    std::vector<std::string> details;
};

// The failure and every chained cause after it, in chain order. The application's own
// throwables carry their source position, code and time; any other exception only its type
// and message.
std::vector<ThrowableEntry> throwableChain(const std::exception& failure);

// The messages of the chain joined by CR LF, then CR LF, a line of 50 "-", CR LF and the
// report.
std::string failureText(const std::vector<ThrowableEntry>& chain, std::string_view report);

} // namespace tavrin::gui
