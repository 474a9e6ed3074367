#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavrin::gui {

// Adds the files, folders or shortcuts the user dropped beside the buttons as new items of
// the group the bar shows; the owner rebuilds the bar with them.
using AddDropped = std::function<void(const std::vector<std::string>& paths)>;

} // namespace tavrin::gui
