#pragma once

#include <exception>
#include <string>
#include <vector>

#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

// Says why an input was refused, in a plain message box over the window the user works in,
// titled as that window: the refusal's message and every chained one after it, one a line.
// A refusal is what the user mends by typing; a failure of the program or the system goes to
// the exception dialog instead.
void showRefusal(const tvgui::TvGui& dialog, const std::exception& refusal);
// The messages of refusals found at once, in their order.
void showRefusal(const tvgui::TvGui& dialog, const std::vector<std::string>& messages);

} // namespace tavrin::gui
