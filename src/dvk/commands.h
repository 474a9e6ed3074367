#pragma once

#include <ostream>
#include <span>
#include <stdexcept>
#include <string>

namespace dvk {

// A failure the tool reports as "dvk: " + what(), exit code 1.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Each command gets the arguments after its name, already counted by the dispatcher,
// and returns its exit code; failures that end the command are raised.
using Arguments = std::span<const std::string>;

int fmtCommand(Arguments args, std::ostream& out, std::ostream& err);
int checkCommand(Arguments args, std::ostream& out, std::ostream& err);
int getCommand(Arguments args, std::ostream& out, std::ostream& err);
int setCommand(Arguments args, std::ostream& out, std::ostream& err);

} // namespace dvk
