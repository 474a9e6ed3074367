#pragma once

#include <string>
#include <string_view>

namespace tavrin::utility {

// The text with every defined %NAME% replaced by the variable's value; undefined ones stay
// as written. Never fails: should the system fail, the text comes back unchanged.
std::string expandEnvironment(std::string_view text);

} // namespace tavrin::utility
