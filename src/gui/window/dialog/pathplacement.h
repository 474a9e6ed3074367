#pragma once

#include <string>
#include <string_view>

namespace tavrin::gui {

// The text once a chosen path is put into it: in place of the selection [start, end) (UTF-16
// offsets, as an edit control reports them) when the text may be edited and something is
// selected, otherwise as the whole text.
std::wstring placePath(std::wstring_view text, bool editable, unsigned start, unsigned end,
                       std::wstring_view path);

} // namespace tavrin::gui
