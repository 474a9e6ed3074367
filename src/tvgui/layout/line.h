#pragma once

#include <cstddef>
#include <vector>

#include "tvgui/layout/directedpanel.h"

namespace tavrin::tvgui {

// A row or column of individually sized cells. The last cell with the rule ABSOLUTE -1
// fills the rest; a -1 elsewhere is a size of -1.
class Line : public DirectedPanel {
public:
    // The rule of an appended cell.
    static constexpr std::int32_t APPENDED_SIZE = 40;

    // The initial cells are empty with the rule ABSOLUTE 0.
    explicit Line(DIRECTION direction, std::size_t n = 0);

    // Cells added by setCount get the rule ABSOLUTE 0.
    void setCount(std::size_t n) override;
    Line& operator+=(const CONTENT& content) override;

    // The writable rule of cell i; raises TavrinLayoutError "sizeAt" when i is out of range.
    SIZEINFO& sizeAt(std::size_t i);

protected:
    void arrange(const Rect& rect) override;

private:
    // Always as long as the cells.
    std::vector<SIZEINFO> sizes_;
};

} // namespace tavrin::tvgui
