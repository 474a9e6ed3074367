#pragma once

#include <string>
#include <string_view>

namespace tavrin::system {

// The executable's full path, however long. Raises TavrinException
// "自分の居場所さえ分からない" (TAVRIN_MYPATH) when the system cannot tell.
std::string programPath();

// The folder part of a path, with its trailing backslash ("C:\a\b.exe" gives "C:\a\");
// empty when the path has no folder part.
std::string folderOf(std::string_view path);

// Creates the folder and every missing parent, parents first; an existing folder is fine.
// Paths longer than the classic limit work too. Raises TavrinException with the system's
// message (and the path) when a folder cannot be created.
void createFolder(std::string_view path);

} // namespace tavrin::system
