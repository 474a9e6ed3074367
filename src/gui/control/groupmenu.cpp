#include "gui/control/groupmenu.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrin::gui {

GroupMenu::GroupMenu(const file::Main& groups, const file::Main::Selection& current) {
    for (std::size_t group = 0; group < groups.count(); ++group) {
        const std::string name = groups.name(group);
        const std::vector<std::string> subGroups = groups.childNames(group);
        auto subMenu = std::make_shared<PopUp>();
        for (std::size_t sub = 0; sub < subGroups.size(); ++sub) {
            const UINT id = command(group + 1, sub + 1);
            subMenu->addItem(true, subGroups[sub], id);
            if (name == current.group && subGroups[sub] == current.subGroup) {
                subMenu->setChecked(true, id);
            }
        }
        // Sub-group 0 is never a choice, so the sub-menu's own entry cannot clash with one.
        addSubMenu(!subGroups.empty(), std::move(subMenu), name, command(group + 1, 0));
    }
}

UINT GroupMenu::command(std::size_t groupNumber, std::size_t subGroupNumber) {
    return static_cast<UINT>(((groupNumber & 0xFFFF) << 16) | (subGroupNumber & 0xFFFF));
}

std::optional<file::Main::Selection> GroupMenu::selection(UINT command, const file::Main& groups,
                                                          std::string_view currentGroup) {
    const std::size_t groupNumber = command >> 16;
    const std::size_t subNumber = command & 0xFFFF;
    if (subNumber == 0) {
        return std::nullopt;
    }
    std::size_t group = groupNumber - 1;
    if (groupNumber == 0) {
        const std::vector<std::string> names = groups.names();
        group = 0;
        while (group < names.size() && names[group] != currentGroup) {
            ++group;
        }
    }
    if (group >= groups.count() || subNumber > groups.childCount(group)) {
        return std::nullopt;
    }
    return file::Main::Selection{groups.name(group), groups.childNames(group)[subNumber - 1]};
}

} // namespace tavrin::gui
