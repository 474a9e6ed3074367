#pragma once

#include "dll/hooknotification.h"
#include "system/win32.h"

namespace tavrin::gui {

// The launcher window's private messages.
enum WM_MY_MSG : UINT {
    // The shell's notifications about the docked bar.
    APPBAR = 0x8001,
    // The tray icon's mouse messages.
    TASKTRAY = 0x8002,
    // The title bar asks for the list of the buttons.
    BUTTON_LIST = 0x8003,
    // Another start on the same data folder asks the running launcher to come forward.
    COME_FORWARD = 0x8004,
    // The hook library's mouse events, posted from its own thread.
    HOOK_MOUSE = dll::HOOK_MOUSE,
    // Posted to itself once the window has been shown: what the first paint does not need
    // (the tray icon, the menu launcher's pictures) comes then.
    SHOWN = 0x8006,
    // Posted to itself when files were dropped to be added: adding builds the bar anew, which
    // must not happen inside the bar's own handling of the drop.
    ADD_DROPPED = 0x8007,
};

// The window property that counts the looks at the data files which were free to reload: what
// a program watching from outside waits on before it trusts that a look changed nothing.
constexpr wchar_t DISK_LOOKS[] = L"Tavrin.DiskLooks";

} // namespace tavrin::gui
