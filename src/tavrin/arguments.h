#pragma once

#include <string>
#include <vector>

namespace tavrin {

// A command line split as the system splits it (the program's own name first), in UTF-8.
std::vector<std::string> commandLineArguments(const wchar_t* commandLine);

} // namespace tavrin
