#pragma once

#include <string_view>

namespace tavrin::system {

// Creates the folder and every missing parent, parents first; an existing folder is fine.
// Paths of any length work. Raises TavrinFolderException with the system's message and the
// path when a folder cannot be created (a file in the way included).
void createFolder(std::wstring_view path);

} // namespace tavrin::system
