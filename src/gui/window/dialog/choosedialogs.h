#pragma once

#include <functional>
#include <optional>

#include "system/win32.h"

// After the Windows headers, on which it builds.
#include <commdlg.h>

namespace tavrin::gui {

// The system's font and colour dialogs, replaceable so that tests can answer for a person
// without a modal system window. error tells why the last call gave no choice: 0 when the
// user cancelled.
struct ChooseCalls {
    std::function<BOOL(CHOOSEFONTW& request)> font;
    std::function<BOOL(CHOOSECOLORW& request)> color;
    std::function<DWORD()> error;
};
ChooseCalls& chooseCalls();

// The system's font dialog owned by owner, opened on the current font, screen fonts only:
// the chosen font, or none when cancelled. TavrinException "[FontDialog] ErrCode = <code>"
// when the dialog fails.
std::optional<LOGFONTW> chooseFont(HWND owner, const LOGFONTW& current);

// The system's colour dialog owned by owner, opened on the current colour: the chosen colour,
// or none when cancelled or when the dialog cannot be had (logged).
std::optional<COLORREF> chooseColor(HWND owner, COLORREF current);

} // namespace tavrin::gui
