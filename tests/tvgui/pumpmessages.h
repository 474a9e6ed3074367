#pragma once

#include "system/win32.h"

namespace tavrin::tvgui::test {

// Handles every message waiting in this thread's queue, as a program's loop would between
// the steps of a test.
inline void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace tavrin::tvgui::test
