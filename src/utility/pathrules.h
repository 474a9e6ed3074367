#pragma once

#include <string>
#include <string_view>

// The path rules that need no file system: pure text work on UTF-16 paths, the same on
// every platform. extension and baseName follow the shell's own name-part rules, so a
// name is split here exactly as Explorer would split it.
namespace tavrin::utility {

// The path with one "\" appended unless it already ends with one; an empty path stays empty.
std::wstring addBackslash(std::wstring_view path);

// The path without any of its trailing "\".
std::wstring removeBackslash(std::wstring_view path);

// The folder that holds the path's last component, with its backslash: "C:\a\b.exe" gives
// "C:\a\", "C:\a\" gives "C:\", "C:a.txt" gives "C:\"; empty when the path has no folder part.
std::wstring parentFolder(std::wstring_view path);

// The text after the extension's dot ("txt" for "C:\a\b.txt"); empty when there is none.
// A "\" or a blank after the last dot means that dot starts no extension.
std::wstring extension(std::wstring_view path);

// The last component without its trailing backslashes and without its extension, unless the
// extension is the whole name: "C:\a\b.txt" gives "b", "C:\a\.profile" gives ".profile",
// "C:\a\dir\" gives "dir".
std::wstring baseName(std::wstring_view path);

} // namespace tavrin::utility
