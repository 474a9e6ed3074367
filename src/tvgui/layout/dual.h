#pragma once

#include <cstdint>

#include "tvgui/layout/directedpanel.h"

namespace tavrin::tvgui {

// Two panes: the first sized by the panel's rule (ABSOLUTE 0 until set), the second filling
// the rest. The second pane keeps gap - gap / 2 (besides the spacings) from the first; the
// first pane's percentage is taken of the room widened by gap / 2.
class Dual : public DirectedPanel {
public:
    // Starts with two empty cells.
    explicit Dual(DIRECTION direction) : DirectedPanel(direction, 2) {}

    SIZEINFO& rule() { return rule_; }
    const SIZEINFO& rule() const { return rule_; }
    // In 96-DPI pixels.
    std::int32_t gap() const { return gap_; }
    void setGap(std::int32_t gap) { gap_ = gap; }

protected:
    // Raises TavrinLayoutError when the cell count was changed to more than two.
    void arrange(const Rect& rect) override;

private:
    SIZEINFO rule_;
    std::int32_t gap_ = 0;
};

} // namespace tavrin::tvgui
