#pragma once

#include <string>
#include <vector>

namespace tavrin::gui {

// The option text that files dropped on a button hand to its item: the paths in order,
// joined by single spaces, each path with a blank in quotes so that the started program
// sees it as one argument. With followShortcuts, a shortcut (".lnk" in any case) stands for
// its target; a shortcut without a file target stays itself. Raises ShortcutException when a
// shortcut cannot be read.
std::string droppedOption(const std::vector<std::string>& paths, bool followShortcuts);

} // namespace tavrin::gui
