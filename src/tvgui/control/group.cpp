#include "tvgui/control/group.h"

#include <algorithm>

namespace tavrin::tvgui {

template class Group<Control>;
template class Group<Radio>;
template class Group<ListBox>;

Radio* RadioGroup::checked() const {
    const auto found =
        std::ranges::find_if(members(), [](Radio* member) { return member->checked(); });
    return found == members().end() ? nullptr : *found;
}

std::optional<std::size_t> RadioGroup::checkedIndex() const {
    const auto found = std::ranges::find(members(), checked());
    if (found == members().end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - members().begin());
}

bool RadioGroup::check(ITEM_ID id) {
    Radio* chosen = find(id);
    if (chosen == nullptr) {
        return false;
    }
    for (Radio* member : members()) {
        member->check(member == chosen ? Toggle::CHECK::CHECKED : Toggle::CHECK::UNCHECKED);
    }
    return true;
}

bool RadioGroup::checkIndex(std::size_t position) {
    return position < size() && check(members()[position]->id());
}

void ListBoxGroup::clear() {
    for (ListBox* member : members()) {
        member->clear();
    }
}

ListBox* ListBoxGroup::selected() const {
    const auto found = std::ranges::find_if(
        members(), [](ListBox* member) { return member->selectedIndex().has_value(); });
    return found == members().end() ? nullptr : *found;
}

void ListBoxGroup::unselect() {
    for (ListBox* member : members()) {
        member->selectIndex(-1);
    }
}

} // namespace tavrin::tvgui
