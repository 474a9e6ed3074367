#pragma once

#include <string>
#include <vector>

namespace tavrin::utility {

// The filter text of the system's file dialogs from the configured filters: every
// filter's strings are (shown text, pattern) pairs, each string ended by a zero, the whole
// ended by one more. A filter with an odd number of strings has a last string without a
// pair ("*" alone, as a filter listed without patterns gets); it is both shown text and
// pattern, so that the pairs of the filters after it stay aligned. Empty when there is
// no string at all: the dialog then shows every file.
std::wstring dialogFilter(const std::vector<std::vector<std::wstring>>& filters);

} // namespace tavrin::utility
