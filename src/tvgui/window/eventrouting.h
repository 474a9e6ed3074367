#pragma once

#include "system/win32.h"

#include <shellapi.h>

namespace tavrin::tvgui {

class TvGui;
class TvGuiEvent;

// Turns one message for a bound object into a call of its typed handler, and the handler's
// answer into the message's result or default processing.
class EventRouting {
public:
    // The object a window of the toolkit is created for: the creation parameter when it is a
    // live toolkit object, else null.
    static TvGui* creationObject(const CREATESTRUCTW& creation) noexcept;
    // WM_NCCREATE: binds the object handed over as the creation parameter; a failure is
    // logged and fails the creation (false).
    static bool bind(TvGui& gui, HWND hwnd) noexcept;
    // WM_CREATE: runs the creation handlers. A handler's exception is logged and fails the
    // creation (-1).
    static LRESULT create(TvGuiEvent& events) noexcept;
    // Every other message. A handler's exception is kept for the message loop.
    static LRESULT route(TvGui& gui, TvGuiEvent& events, HWND hwnd, UINT message, WPARAM wParam,
                         LPARAM lParam) noexcept;

private:
    static LRESULT dispatch(TvGui& gui, TvGuiEvent& events, HWND hwnd, UINT message, WPARAM wParam,
                            LPARAM lParam);
    static LRESULT byDefault(TvGuiEvent& events, HWND hwnd, UINT message, WPARAM wParam,
                             LPARAM lParam);
    static LRESULT mouseMove(TvGui& gui, TvGuiEvent& events, WPARAM wParam, LPARAM lParam);
    static void dropFiles(TvGuiEvent& events, HDROP drop);
    static LRESULT childEvent(TvGui& gui, TvGuiEvent& events, HWND hwnd, WPARAM wParam,
                              LPARAM lParam);
    static LRESULT paint(TvGui& gui, TvGuiEvent& events, HWND hwnd, LPARAM lParam);
    static bool isClientButton(UINT message) noexcept;
    static bool isNonClientButton(UINT message) noexcept;
    static LRESULT clientButton(TvGui& gui, TvGuiEvent& events, HWND hwnd, UINT message,
                                WPARAM wParam, LPARAM lParam);
    static LRESULT nonClientButton(TvGuiEvent& events, HWND hwnd, UINT message, WPARAM wParam,
                                   LPARAM lParam);
};

// The window procedure of a class family of the toolkit (TvWindow or Control): messages for
// a window whose slot does not hold an object of the family get default processing.
template <class Family>
LRESULT CALLBACK EventLoopFunc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace tavrin::tvgui
