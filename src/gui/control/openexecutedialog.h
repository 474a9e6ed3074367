#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tavrin::file {
class Item;
}

namespace tavrin::gui {

// Opens the execute dialog for the item and lets the user start it; with option, the options
// box shows that text (the files dropped on its button). The dialog lives on a floor above
// the launcher's controls, so their window hands them this. Raises what making the dialog
// raises (ItemException for a link that leads nowhere).
using OpenExecuteDialog =
    std::function<void(file::Item& item, const std::optional<std::string>& option)>;

} // namespace tavrin::gui
