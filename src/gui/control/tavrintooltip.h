#pragma once

#include "tvgui/control/tooltip.h"

namespace tavrin::gui {

// The tool tip that names the launcher's buttons, owned by the main window.
class TavrinToolTip final : public tvgui::ToolTip {
public:
    explicit TavrinToolTip(tvgui::TvGui& owner);
};

} // namespace tavrin::gui
