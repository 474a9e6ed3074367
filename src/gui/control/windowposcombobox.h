#pragma once

#include "file/app.h"
#include "gui/control/limitedcombobox.h"

namespace tavrin::gui {

// Where the launcher window stands: "左部" 0, "上部" 1, "右部" 2, "下部" 3, "フロート" 4,
// "非表示" 5. Unlike the other limited lists it never shows a value it cannot name: every
// position outside the list is a floating window, which the user can always reach and move.
class WindowPosComboBox final : public LimitedComboBox {
public:
    using POSITION = file::App::POSITION;

    WindowPosComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner);

    // A position outside the list selects floating (logged).
    void windowPos(POSITION stored);
    // With nothing selected, or a selection outside the list, floating (logged).
    POSITION windowPos() const;
};

} // namespace tavrin::gui
