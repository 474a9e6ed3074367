#pragma once

#include <optional>
#include <string>
#include <string_view>

// Paths of any length for the Windows file functions, which take paths beyond the classic
// limit only in their extended form ("\\?\"), absolute and normalised.
namespace tavrin::system {

// The full form of a path (current folder and drive filled in, "." and ".." resolved), or
// nothing when the system cannot make one; GetLastError tells why.
std::optional<std::wstring> fullPath(std::wstring_view path);

// The form of a full path that the file functions take at any length: unchanged while it is
// short or already extended, else "\\?\" (or "\\?\UNC\" for a share) in front.
std::wstring apiPath(std::wstring_view full);

} // namespace tavrin::system
