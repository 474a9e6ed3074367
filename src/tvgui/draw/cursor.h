#pragma once

#include <string_view>

#include "system/win32.h"
#include "tvgui/draw/draw.h"

namespace tavrin::tvgui {

// A cursor; an owned one is destroyed with DestroyCursor, a shared one never.
class Cursor final : public Draw<HCURSOR> {
public:
    // The stock cursors, by their resource numbers.
    enum class STOCK : WORD {
        ARROW = 32512,
        IBEAM = 32513,
        WAIT = 32514,
        CROSS = 32515,
        UPARROW = 32516,
        SIZENWSE = 32642,
        SIZENESW = 32643,
        SIZEWE = 32644,
        SIZENS = 32645,
        SIZEALL = 32646,
        NO = 32648,
        HAND = 32649,
        APPSTARTING = 32650,
    };

    // A shared stock cursor, not owned; CursorException "LoadCursor" when the system has
    // none of that number.
    explicit Cursor(STOCK stock);
    Cursor(HCURSOR handle, bool owned);
    Cursor(Cursor&&) noexcept = default;
    Cursor& operator=(Cursor&&) = default;
    ~Cursor() override { releaseAtEndLogged(); }

protected:
    void release() override;
};

} // namespace tavrin::tvgui
