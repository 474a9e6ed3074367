#pragma once

#include <exception>
#include <functional>

namespace tavrin::gui {

// Shows a failure of a user's action to the user (the exception dialog, owned by the main
// window) and lets the program go on. The launcher's controls take it from their window,
// since the dialog lives on a floor above theirs.
using ShowFailure = std::function<void(const std::exception& failure)>;

} // namespace tavrin::gui
