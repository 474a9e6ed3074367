#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "tvgui/draw/imagelist.h"

namespace tavrin::tvgui {

// The text of a control's item, read through a message that copies it into a buffer of the
// caller's size: read gives the units it wrote for a buffer; the buffer grows until the text
// fits with room to spare, so a text of any length comes back whole.
std::string readItemText(const std::function<int(std::span<wchar_t> buffer)>& read);

// The length of the zero-terminated text in the buffer.
int writtenLength(std::span<const wchar_t> buffer);

// An image list a control shows, not owned: the caller who set it keeps it. Empty for none.
std::optional<ImageList> shownList(HIMAGELIST handle);

} // namespace tavrin::tvgui
