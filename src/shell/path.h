#pragma once

#include <string>
#include <string_view>

#include "utility/pathrules.h"

// The path functions that ask the file system. Paths of any length work: those beyond the
// classic limit are handed to the system in their long form.
namespace tavrin::shell {

// Whether the path names a folder. Raises TavrinFileException "ファイル無い。" (FILE_FOUND)
// when nothing exists there, and TavrinFileException with the system's message and the path
// when the system cannot tell.
bool isFolder(std::wstring_view path);

// The executable's full path, however long. Raises TavrinException
// "自分の居場所さえ分からない" (TAVRIN_MYPATH) when the system cannot tell.
std::wstring programPath();

} // namespace tavrin::shell
