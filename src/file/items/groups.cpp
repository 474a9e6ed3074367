#include "file/items/groups.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace tavrin::file {

Sub::Sub(Main& parent, std::string name, drevak::Drevak& node)
    : GroupBase(node, std::move(name)), parent_(&parent) {}

bool Sub::hasItems(std::string_view name) const {
    return childCount(name) != 0;
}

Main::Main(drevak::Drevak& group) : GroupBase(group, std::string(GROUP)) {}

std::optional<Sub> Main::sub(std::string_view name) {
    drevak::Drevak* found = listedChild(name);
    if (found == nullptr) {
        return std::nullopt;
    }
    return Sub(*this, std::string(name), *found);
}

Sub Main::menu() {
    return Sub(*this, std::string(MENU), field(0).childOrNew(MENU));
}

Main::Selection Main::firstSelection() const {
    for (std::size_t index = 0; index < count(); ++index) {
        const std::vector<std::string> subGroups = childNames(index);
        if (!subGroups.empty()) {
            return {name(index), subGroups.front()};
        }
    }
    return {count() == 0 ? std::string() : name(0), {}};
}

} // namespace tavrin::file
