#pragma once

#include <cstdint>

#include "tvgui/layout/layout.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

// A drop-down list in a cell one row high: its window reaches below the cell by the height
// the list opens to (96-DPI pixels), which a cell of one row could not give it.
class DropDownCell final : public tvgui::Layout {
public:
    static constexpr std::int32_t DROP_HEIGHT = 160;

    explicit DropDownCell(tvgui::TvGui& list) : list_(list) {}

protected:
    void arrange(const tvgui::Rect& rect) override {
        list_.move(rect.left, rect.top, rect.right - rect.left,
                   static_cast<int>(scaled(DROP_HEIGHT)), true);
    }

private:
    tvgui::TvGui& list_;
};

} // namespace tavrin::gui
