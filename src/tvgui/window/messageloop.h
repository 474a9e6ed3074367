#pragma once

#include "system/win32.h"

namespace tavrin::tvgui {

class Accelerator;
class TvGui;

// Which modeless dialog a message loop lets navigate by keyboard. The main loop uses MAIN,
// under which the command box registers; every other dialog has an id of its own.
enum class DIALOG_ID : int {
    NONE = 0,
    MAIN = 1,
    EXECUTE = 2,
    INPUT = 3,
    ITEM_SETTING = 4,
    GROUP_SETTING = 5,
    SETTING = 6,
    EXCEPTION = 7,
    VERSION = 8,
};

// This thread's accelerator tables: the table a window's loop translates keys with, used
// with the window given here. Removing an entry leaves the table itself alone.
void setAcceleratorEntry(const TvGui& owner, HWND window, const Accelerator& accelerator);
void removeAcceleratorEntry(const TvGui& owner) noexcept;

// This thread's modeless dialogs: the handle of the dialog under an id that keyboard
// navigation goes to, or null while it is inactive.
bool hasModelessEntry(DIALOG_ID id);
// The dialog that keyboard navigation goes to under id; null when none is.
HWND modelessEntry(DIALOG_ID id);
void setModelessEntry(DIALOG_ID id, HWND dialog);
void removeModelessEntry(DIALOG_ID id) noexcept;

// Ends the application's loop. The quit message ends only the innermost running loop: a
// nested loop (a modal dialog's) that ends while the application is quitting posts it again,
// so that every loop out to the application's ends.
void quitApplication(int code);

// Runs messages until the quit message (0) or a failure of GetMessageW (-1), which it returns.
// Enter and Escape go straight to a control that takes them itself. Other keys go to the
// accelerators of the top-level window they are addressed to, then to the
// modeless dialog under id, then to the owner's dialog navigation, and only then to their
// window. An exception a handler threw
// while the system had called into the program comes out of here.
int runMessageLoop(const TvGui& owner, DIALOG_ID id);

} // namespace tavrin::tvgui
