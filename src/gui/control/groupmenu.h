#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "file/items/groups.h"
#include "tvgui/menu/popup.h"

namespace tavrin::gui {

// The main groups, each a sub-menu of its sub-groups; the current sub-group is checked. A
// command packs the main group's number (from 1; 0 for the current group) in its high 16
// bits and the sub-group's number within it (from 1) in its low 16 bits.
class GroupMenu final : public tvgui::PopUp {
public:
    GroupMenu(const file::Main& groups, const file::Main::Selection& current);
    ~GroupMenu() override { releaseAtEnd(system::logRefusedRelease); }

    static UINT command(std::size_t groupNumber, std::size_t subGroupNumber);
    // The names a command stands for; nothing for 0 or numbers that name no group (the
    // groups may have changed since the menu was built).
    static std::optional<file::Main::Selection> selection(UINT command, const file::Main& groups,
                                                          std::string_view currentGroup);
};

} // namespace tavrin::gui
