#pragma once

#include <cassert>
#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include "tvgui/control/listbox.h"
#include "tvgui/control/toggle.h"

namespace tavrin::tvgui {

// Several controls of one kind, in the order they were added and by their ids. The group
// does not own them: they belong to the window that made them and must outlive the group.
template <typename T> class Group {
public:
    // A second member with the same id is a programming error.
    void add(T& member) {
        [[maybe_unused]] const bool fresh = byId_.emplace(member.id(), &member).second;
        assert(fresh && "two members of a control group share one id");
        members_.push_back(&member);
    }
    // The member with the id, or null.
    T* find(ITEM_ID id) const {
        const auto found = byId_.find(id);
        return found == byId_.end() ? nullptr : found->second;
    }
    const std::vector<T*>& members() const noexcept { return members_; }
    std::size_t size() const noexcept { return members_.size(); }

    void show(SHOW command) {
        for (T* member : members_) {
            member->show(command);
        }
    }
    void enable(bool on) {
        for (T* member : members_) {
            member->enable(on);
        }
    }

private:
    std::vector<T*> members_;
    std::map<ITEM_ID, T*> byId_;
};

extern template class Group<Control>;
extern template class Group<Radio>;
extern template class Group<ListBox>;

// Radio buttons of which one at most is checked.
class RadioGroup : public Group<Radio> {
public:
    // The first checked member in order, or null.
    Radio* checked() const;
    // The position of the checked member in order.
    std::optional<std::size_t> checkedIndex() const;
    // Checks the member and unchecks the others; false when no member has the id.
    bool check(ITEM_ID id);
    // The same by position; false for a position past the last member.
    bool checkIndex(std::size_t position);
};

// List boxes filled and read together.
class ListBoxGroup : public Group<ListBox> {
public:
    // Empties every member.
    void clear();
    // The first member in order with a selected item, or null.
    ListBox* selected() const;
    // Drops the selection of every member.
    void unselect();
};

} // namespace tavrin::tvgui
