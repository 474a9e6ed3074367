#include "gui/control/tavrintooltip.h"

namespace tavrin::gui {

TavrinToolTip::TavrinToolTip(tvgui::TvGui& owner) : ToolTip(owner) {}

} // namespace tavrin::gui
