#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "system/win32.h"

namespace tavrin::imagetest {

// A path that the build hands over (a Linux path under Wine) as a Windows path: Wine shows
// the Linux root as drive Z:.
std::wstring windowsPath(std::string_view buildPath);

// The icon as drawn at size x size pixels over an opaque magenta ground: two icons look
// the same exactly when these pixels are equal.
std::vector<std::uint32_t> drawnPixels(HICON icon, int size);

// Width of the icon's own image, read back from the system.
int iconWidth(HICON icon);

// An .ico file's image at the given size, loaded straight from the file.
std::vector<std::uint32_t> filePixels(const std::wstring& icoFile, int size);

} // namespace tavrin::imagetest
