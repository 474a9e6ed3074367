#pragma once

#include <string_view>

#include "system/win32.h"
#include "tvgui/draw/color.h"
#include "tvgui/draw/draw.h"

namespace tavrin::tvgui {

class Brush final : public GdiObject<HBRUSH> {
public:
    enum class STYLE : UINT {
        SOLID = 0,
        HOLLOW = 1,
        HATCHED = 2,
        PATTERN = 3,
        DIBPATTERN = 5,
        DIBPATTERNPT = 6,
        PATTERN8X8 = 7,
        DIBPATTERN8X8 = 8,
    };
    enum class HATCH : ULONG_PTR {
        HORIZONTAL = 0,
        VERTICAL = 1,
        FDIAGONAL = 2,
        BDIAGONAL = 3,
        CROSS = 4,
        DIAGCROSS = 5,
    };
    enum class STOCK : int {
        WHITE = 0,
        LTGRAY = 1,
        GRAY = 2,
        DKGRAY = 3,
        BLACK = 4,
        HOLLOW = 5,
        DC = 18
    };

    // BrushException "CreateBrushIndirect" when the system refuses.
    explicit Brush(const LOGBRUSH& record);
    // A solid brush of one colour.
    explicit Brush(COLORREF color);
    Brush(HATCH hatch, COLORREF color);
    // A stock brush, not owned.
    explicit Brush(STOCK stock);
    // The system's brush of a system colour, not owned; BrushException "GetSysColorBrush"
    // for a colour that has none.
    explicit Brush(COLOR color);
    Brush(HBRUSH handle, bool owned);
    Brush(Brush&&) noexcept = default;
    Brush& operator=(Brush&&) = default;
    ~Brush() override { releaseAtEndLogged(); }

private:
    std::string_view kind() const noexcept override { return "ブラシ"; }
};

} // namespace tavrin::tvgui
