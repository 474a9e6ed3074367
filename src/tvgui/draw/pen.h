#pragma once

#include <string_view>

#include "system/win32.h"
#include "tvgui/draw/draw.h"

namespace tavrin::tvgui {

class Pen final : public GdiObject<HPEN> {
public:
    enum class STYLE : UINT {
        SOLID = 0,
        DASH = 1,
        DOT = 2,
        DASHDOT = 3,
        DASHDOTDOT = 4,
        NONE = 5,
        INSIDEFRAME = 6,
    };
    enum class STOCK : int { WHITE = 6, BLACK = 7, NONE = 8, DC = 19 };

    // DrawException "CreatePenIndirect" when the system refuses.
    explicit Pen(const LOGPEN& record);
    Pen(STYLE style, int width, COLORREF color);
    // A stock pen, not owned.
    explicit Pen(STOCK stock);
    Pen(HPEN handle, bool owned);
    Pen(Pen&&) noexcept = default;
    Pen& operator=(Pen&&) = default;
    ~Pen() override { releaseAtEndLogged(); }

private:
    std::string_view kind() const noexcept override { return "ペン"; }
};

} // namespace tavrin::tvgui
