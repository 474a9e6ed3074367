#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin::utility {

// A caption as the menu launcher shows it: with a limit above 0 and more characters than the
// limit, its first limit characters followed by "..."; otherwise whole. Characters are counted
// as the user sees them in UTF-8 text, so a cut never falls inside one (nor inside what UTF-16
// holds as a surrogate pair).
std::string menuText(std::string_view caption, std::int64_t limit);

} // namespace tavrin::utility
