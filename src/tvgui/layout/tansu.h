#pragma once

#include <cstddef>

#include "tvgui/layout/directedpanel.h"

namespace tavrin::tvgui {

// A row or column of equally sized cells under one rule (ABSOLUTE 0 until set).
class Tansu : public DirectedPanel {
public:
    explicit Tansu(DIRECTION direction, std::size_t n = 0) : DirectedPanel(direction, n) {}

    SIZEINFO& rule() { return rule_; }
    const SIZEINFO& rule() const { return rule_; }

protected:
    // A percentage rounded up may carry the last cell past the far edge; it is then cut
    // back to the edge less its spacing.
    void arrange(const Rect& rect) override;

private:
    SIZEINFO rule_;
};

} // namespace tavrin::tvgui
