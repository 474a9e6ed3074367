#pragma once

#include <string>

namespace tavrin::system {

// The system's own text for an error code (as GetLastError gives it), without the line
// end and without inserts ("%1"): the caller names what failed; the code in decimal when the
// system has no text for it.
std::string systemMessage(unsigned long code);

} // namespace tavrin::system
