#pragma once

#include <string>
#include <vector>

#include "shell/argumentline.h"

namespace tavrin::gui {

// The option text that files dropped on a button hand to its item: the paths in order, one
// argument each for the program that reads the line (reader), whatever the names hold. With
// followShortcuts, a shortcut (".lnk" in any case) stands for its target, read without a
// search for a moved target; a shortcut without a file target stays itself. Raises
// DropFileException naming a path that reader cannot be given safely, ShortcutException when
// a shortcut cannot be read.
std::string droppedOption(const std::vector<std::string>& paths, bool followShortcuts,
                          shell::LINE_READER reader);

} // namespace tavrin::gui
