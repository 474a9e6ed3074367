#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "system/win32.h"

// After the Windows headers, on which it builds.
#include <shellapi.h>
#include <shlobj.h>

namespace tavrin::shell::test {

// A drop block as the shell hands it to a window: the DROPFILES header, then the paths one
// after the other, each ending in a zero, and one more zero after the last.
template <typename Char>
HDROP dropBlock(const std::vector<std::basic_string<Char>>& paths, POINT point,
                bool nonClient = false) {
    std::size_t units = 1;
    for (const auto& path : paths) {
        units += path.size() + 1;
    }
    HGLOBAL block =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + units * sizeof(Char));
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->pt = point;
    header->fNC = nonClient;
    header->fWide = sizeof(Char) == sizeof(wchar_t);
    auto* text = reinterpret_cast<Char*>(reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES));
    for (const auto& path : paths) {
        std::memcpy(text, path.c_str(), (path.size() + 1) * sizeof(Char));
        text += path.size() + 1;
    }
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

} // namespace tavrin::shell::test
