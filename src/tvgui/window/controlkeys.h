#pragma once

#include "system/win32.h"

namespace tavrin::tvgui {

// Whether the control a key message is addressed to takes Enter or Escape itself, ahead of
// the dialog's default button and closing: an open drop-down list, a multi-line edit that
// keeps Enter as a new line, or a control that asks for the key through WM_GETDLGCODE (the
// label edit of a tree or list view, which ends its edit with it).
bool controlWantsDialogKey(MSG& message);

} // namespace tavrin::tvgui
