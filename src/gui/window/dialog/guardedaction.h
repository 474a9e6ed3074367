#pragma once

#include <functional>

#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

// Runs an action the user asked for in the window, and passes none of its failures on: a
// refusal the user mends by typing (an item's settings, a group's data or an input refused) is
// said in a plain message; any other failure of the application is logged and shown in the
// exception dialog.
void guarded(tvgui::TvGui& window, const std::function<void()>& action);

} // namespace tavrin::gui
