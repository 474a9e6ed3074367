#pragma once

#include <string>
#include <string_view>

namespace tavrin::file::items {

// The text folded as foldForSearch folds it, as code points appended to a buffer that the
// caller reuses, so that a keystroke costs no allocation. Invalid UTF-8 becomes U+FFFD.
void appendFolded(std::u32string& out, std::string_view text);

} // namespace tavrin::file::items
