#pragma once

#include <cstdint>
#include <string>

#include "system/win32.h"

namespace tavrin::tvgui {

class TvGui;

// What a window is created from. Everything is zero, empty or null unless set.
struct GUIINFO {
    DWORD ExStyle = 0;
    std::string ClassName;
    DWORD Style = 0;
    // Parent or owner; null means the desktop window.
    TvGui* Owner = nullptr;
    // A menu handle, or a child window's identifier.
    std::uintptr_t Id = 0;
    // Hands the new object to the toolkit's window procedure as the creation parameter, so
    // that it is bound before the creation handlers run.
    bool EventLoop = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    // "[GUIINFO]  ClassName = ..., ExStyle = ..., Style = ..., Owner = ..., Id = ...,
    // EventLoop = ...": the description a failed creation carries.
    std::string toString() const;
};

} // namespace tavrin::tvgui
