#pragma once

#include <string>
#include <string_view>

namespace tavrin::system {

// Text is UTF-8 inside the program and UTF-16 only at calls of the Windows API.
// Invalid sequences become U+FFFD rather than failing: these conversions sit under
// every message and path, and a shown replacement character beats a lost message.
std::wstring toWide(std::string_view text);
std::string toUtf8(std::wstring_view text);

} // namespace tavrin::system
