#pragma once

#include <optional>
#include <string>

#include "system/win32.h"

namespace tavrin::gui {

// The system's folder-selection dialog owned by owner, for file-system folders only, with an
// edit box: the chosen folder, or none when cancelled. It opens at start when that names an
// existing folder.
std::optional<std::string> browseForFolder(HWND owner, const std::string& start);

// The system's file-open dialog owned by owner, for an existing file, with the program's
// file-type filters: the chosen file, or none when cancelled. It opens in the folder that
// holds start when that path exists, otherwise in the user's documents folder.
std::optional<std::string> browseForFile(HWND owner, const std::string& start);

} // namespace tavrin::gui
