#pragma once

#include <ostream>
#include <span>
#include <string>

namespace dvk {

// The whole data-file tool, callable in-process. args are the arguments after the
// program name, UTF-8. Returns the exit code: 0 success, 1 failure (a file that cannot
// be read or written, a line that does not apply, a missing node), 2 bad usage.
// Never throws.
int runDvk(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace dvk
